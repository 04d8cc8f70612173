#include "window/merge_tree_model.h"

#include "app/merge_text.h"
#include "window/merge_tree.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

namespace wed {
namespace {

using Group = MergeTreeModel::Group;
using Item = MergeTreeModel::Item;

// A model index's internal id says where its row is: 0 for a group's row, 1 + the group for an
// item's row, and for a field's row the group in its low bits and 1 + the item above them.
constexpr quintptr kGroupBits = 4;
constexpr quintptr kGroupMask = (quintptr(1) << kGroupBits) - 1;

// The groups in the order of the files: the categories, the name records, the pictures.
int groupRank(const MergeDecision& decision) {
    switch (decision.what) {
    case MergeWhat::Names:
    case MergeWhat::NameMove:
        return 3;
    case MergeWhat::Picture:
        return 4;
    default:
        return int(decision.item.category);
    }
}

// The item a decision stands under, whatever the order of the mods.
using ItemKey = std::tuple<int, QString, int>;
ItemKey itemKey(const MergeDecision& decision) {
    const int rank = groupRank(decision);
    if (rank == 4)
        return {rank, decision.picture, 0};
    return {rank, decision.item.id, rank == 3 ? 0 : decision.item.occurrence};
}

// Whether two merges' decisions stand under one item.
bool sameItem(const MergeDecision& a, const MergeDecision& b) {
    const int rank = groupRank(a);
    if (rank != groupRank(b))
        return false;
    if (rank == 4)
        return a.picture == b.picture;
    return a.item.id == b.item.id && (rank == 3 || a.item.occurrence == b.item.occurrence);
}

// Whether two merges' decisions are about one thing.
bool sameThing(const MergeDecision& a, const MergeDecision& b) {
    return a.what == b.what && a.keyOccurrence == b.keyOccurrence && a.key == b.key &&
           sameItem(a, b);
}

// Where a decision is shown: its group, and within a category where the base has the item (the
// items it lacks after those it has).
using Place = std::pair<int, qsizetype>;
constexpr qsizetype kNoPlace = std::numeric_limits<qsizetype>::max();

// The decisions by their places, each item's in the merge's order.
std::vector<std::pair<Place, size_t>> shownOrder(const MergeResult& result, const GameData& base) {
    std::vector<std::pair<Place, size_t>> order;
    order.reserve(result.decisions.size());
    const MergeDecision* previous = nullptr;
    for (size_t i = 0; i < result.decisions.size(); ++i) {
        const MergeDecision& decision = result.decisions[i];
        const int rank = groupRank(decision);
        qsizetype place = kNoPlace;
        // An item's decisions mostly come together: its header is looked up once.
        if (previous && rank < 3 && groupRank(*previous) == rank && previous->item == decision.item)
            place = order.back().first.second;
        else if (rank < 3)
            if (const qsizetype header = base.headerOf(decision.item); header >= 0)
                place = header;
        order.push_back({{rank, place}, i});
        previous = &decision;
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return order;
}

// An item's row carries, per mod's column, the worst role of its fields' cells there, and in
// its first and last columns the worst of all.
void markField(Item& item, const MergeDecision& decision, int mods) {
    for (int mod = 0; mod < mods; ++mod)
        item.worst[size_t(mod) + 2] =
            std::max(item.worst[size_t(mod) + 2], int(modCellRole(decision, mod)));
    const MergeCellRole result = resultCellRole(decision);
    item.worst.back() = std::max(item.worst.back(), int(result));
    item.conflicts += result == MergeCellRole::Wins;
}

void markItem(Item& item) {
    item.worst.back() = *std::max_element(item.worst.begin() + 2, item.worst.end());
    item.worst.front() = item.worst.back();
}

std::vector<Group> outline(const MergeResult& result, const GameData& base, int mods,
                           bool conflictsOnly) {
    std::vector<Group> groups;
    Place last{-1, kNoPlace};
    std::map<ItemKey, size_t> unplaced; // the group's items the base lacks
    for (const auto& [place, i] : shownOrder(result, base)) {
        const MergeDecision& decision = result.decisions[i];
        if (conflictsOnly && !decision.conflict())
            continue;
        if (groups.empty() || place.first != last.first) {
            groups.push_back({i, {}});
            unplaced.clear();
        }
        std::vector<Item>& items = groups.back().items;
        // The items the base has come by their places, one after another; the others are found
        // by their names.
        size_t at = items.size();
        if (place.second != kNoPlace && place == last)
            at = items.size() - 1;
        else if (place.second == kNoPlace)
            at = unplaced.try_emplace(itemKey(decision), items.size()).first->second;
        if (at == items.size())
            items.push_back({i, {}, std::vector<int>(size_t(mods) + 3, 0), 0});
        items[at].fields.push_back(i);
        markField(items[at], decision, mods);
        last = place;
    }
    for (Group& group : groups)
        for (Item& item : group.items)
            markItem(item);
    return groups;
}

// Whether `now` shows the things `before` showed, item by item; if so, each item's fields are
// put in the order they had, so that no row moves.
bool keepRows(const std::vector<Group>& before, const MergeResult& was, std::vector<Group>& now,
              const MergeResult& is) {
    if (before.size() != now.size())
        return false;
    for (size_t g = 0; g < now.size(); ++g) {
        if (before[g].items.size() != now[g].items.size())
            return false;
        for (size_t i = 0; i < now[g].items.size(); ++i) {
            const Item& old = before[g].items[i];
            Item& item = now[g].items[i];
            if (old.fields.size() != item.fields.size() ||
                !sameItem(was.decisions[old.first], is.decisions[item.first]))
                return false;
            std::vector<size_t> kept;
            kept.reserve(old.fields.size());
            for (const size_t field : old.fields) {
                const auto same =
                    std::find_if(item.fields.begin(), item.fields.end(), [&](size_t f) {
                        return sameThing(was.decisions[field], is.decisions[f]);
                    });
                if (same == item.fields.end())
                    return false;
                kept.push_back(*same);
            }
            item.fields = std::move(kept);
        }
    }
    return true;
}

// A cell of a role: its colours and, unless it has its own, the role's words.
QVariant roleCell(MergeCellRole cell, int role, const QString& description = {}) {
    switch (role) {
    case MergeTreeModel::CellRoleRole:
        return int(cell);
    case Qt::AccessibleDescriptionRole:
    case Qt::ToolTipRole:
        return description.isEmpty() ? roleText(cell) : description;
    case Qt::BackgroundRole:
        return cell == MergeCellRole::SameAsBase ? QVariant()
                                                 : QVariant(MergeTree::roleColour(cell));
    case Qt::ForegroundRole:
        return cell == MergeCellRole::SameAsBase ? QVariant() : QVariant(QColor(Qt::black));
    default:
        return {};
    }
}

QString itemRowName(const MergeDecision& decision) {
    return QStringLiteral("\x1f%1\x1f").arg(groupRank(decision)) + decisionItemText(decision);
}

QString groupRowName(const MergeDecision& decision) {
    return QStringLiteral("\x1f%1").arg(groupRank(decision));
}

} // namespace

MergeTreeModel::MergeTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

bool MergeTreeModel::setMerge(std::shared_ptr<const MergeResult> result, const GameData& base,
                              const std::vector<ModSource>& mods, bool conflictsOnly) {
    std::vector<Group> groups = outline(*result, base, int(mods.size()), conflictsOnly);
    const bool kept = mods.size() == mods_.size() && base_ == &base &&
                      keepRows(groups_, *result_, groups, *result);
    if (!kept)
        beginResetModel();
    result_ = std::move(result);
    base_ = &base;
    mods_ = mods;
    groups_ = std::move(groups);
    if (!kept) {
        endResetModel();
        return false;
    }
    // The same rows: only the cells and the headings say something new.
    const int last = columns() - 1;
    emit headerDataChanged(Qt::Horizontal, 0, last);
    if (groups_.empty())
        return true;
    emit dataChanged(index(0, 0), index(int(groups_.size()) - 1, last));
    for (size_t g = 0; g < groups_.size(); ++g) {
        const QModelIndex group = index(int(g), 0);
        const std::vector<Item>& items = groups_[g].items;
        emit dataChanged(index(0, 0, group), index(int(items.size()) - 1, last, group));
        for (size_t i = 0; i < items.size(); ++i) {
            const QModelIndex item = index(int(i), 0, group);
            emit dataChanged(index(0, 0, item), index(int(items[i].fields.size()) - 1, last, item));
        }
    }
    return true;
}

QString MergeTreeModel::rowName(const QModelIndex& at) const {
    if (!at.isValid())
        return {};
    const quintptr id = at.internalId();
    if (id == 0)
        return groupRowName(result_->decisions[groups_[size_t(at.row())].first]);
    if (id <= kGroupMask)
        return itemRowName(result_->decisions[groups_[id - 1].items[size_t(at.row())].first]);
    return at.siblingAtColumn(0).data(Qt::UserRole).toString();
}

QModelIndexList MergeTreeModel::rowsNamed(const QSet<QString>& names) const {
    QModelIndexList found;
    if (names.isEmpty())
        return found;
    for (int g = 0; g < int(groups_.size()); ++g) {
        const QModelIndex group = index(g, 0);
        if (names.contains(rowName(group)))
            found.append(group);
        for (int i = 0; i < rowCount(group); ++i) {
            const QModelIndex item = index(i, 0, group);
            if (names.contains(rowName(item)))
                found.append(item);
            for (int f = 0; f < rowCount(item); ++f)
                if (const QModelIndex field = index(f, 0, item); names.contains(rowName(field)))
                    found.append(field);
        }
    }
    return found;
}

QModelIndex MergeTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || row >= rowCount(parent) || column >= columns())
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr(0));
    const quintptr id = parent.internalId();
    if (id == 0)
        return createIndex(row, column, quintptr(parent.row()) + 1);
    return createIndex(row, column, ((quintptr(parent.row()) + 1) << kGroupBits) | (id - 1));
}

QModelIndex MergeTreeModel::parent(const QModelIndex& child) const {
    const quintptr id = child.isValid() ? child.internalId() : 0;
    if (id == 0)
        return {};
    if (id <= kGroupMask)
        return createIndex(int(id - 1), 0, quintptr(0));
    return createIndex(int((id >> kGroupBits) - 1), 0, (id & kGroupMask) + 1);
}

int MergeTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(groups_.size());
    if (parent.column() != 0)
        return 0;
    const quintptr id = parent.internalId();
    if (id == 0)
        return int(groups_[size_t(parent.row())].items.size());
    if (id <= kGroupMask)
        return int(groups_[id - 1].items[size_t(parent.row())].fields.size());
    return 0;
}

int MergeTreeModel::columnCount(const QModelIndex&) const {
    return columns();
}

QVariant MergeTreeModel::data(const QModelIndex& at, int role) const {
    if (!at.isValid())
        return {};
    const quintptr id = at.internalId();
    if (id == 0)
        return groupData(groups_[size_t(at.row())], at.column(), role);
    if (id <= kGroupMask)
        return itemData(groups_[id - 1].items[size_t(at.row())], at.column(), role);
    const Item& item = groups_[id & kGroupMask].items[(id >> kGroupBits) - 1];
    const size_t decision = item.fields[size_t(at.row())];
    if (role == DecisionRole)
        return at.column() == 0 ? QVariant(qulonglong(decision)) : QVariant();
    return fieldData(result_->decisions[decision], at.column(), role);
}

QVariant MergeTreeModel::groupData(const Group& group, int column, int role) const {
    if (column == 0 && role == Qt::DisplayRole)
        return decisionGroupText(result_->decisions[group.first]);
    return {};
}

QVariant MergeTreeModel::itemData(const Item& item, int column, int role) const {
    const auto cell = MergeCellRole(item.worst[size_t(column)]);
    if (column == 1)
        return {};
    if (column == 0)
        return role == Qt::DisplayRole ? QVariant(decisionItemText(result_->decisions[item.first]))
                                       : roleCell(cell, role);
    if (column < columns() - 1)
        return role == Qt::DisplayRole ? QVariant() : roleCell(cell, role);
    if (role != Qt::DisplayRole && role != Qt::AccessibleDescriptionRole && role != Qt::ToolTipRole)
        return roleCell(cell, role);
    return item.conflicts > 0 ? MergeTree::tr("%n 处冲突", nullptr, item.conflicts)
                              : roleText(cell);
}

// One field's row: its base value, each mod's value with its role, and the result.
QVariant MergeTreeModel::fieldData(const MergeDecision& decision, int column, int role) const {
    const int last = columns() - 1;
    if (column == 0) {
        if (role == Qt::DisplayRole)
            return decisionWhatText(decision);
        return role == Qt::UserRole ? QVariant(conflictName(decision)) : QVariant();
    }
    const bool text = role == Qt::DisplayRole;
    const bool words = role == Qt::AccessibleDescriptionRole || role == Qt::ToolTipRole;
    if (column == 1) {
        if (text)
            return valueCellText(decision, decision.base, *base_);
        return roleCell(MergeCellRole::SameAsBase, role, MergeTree::tr("原版"));
    }
    if (column < last) {
        const int mod = column - 2;
        const MergeValue& value = decision.mods[size_t(mod)];
        if (text)
            return value.changed ? QVariant(valueCellText(decision, value, *base_)) : QVariant();
        if (!words || !value.changed)
            return roleCell(modCellRole(decision, mod), role);
        QString description = describeRole(decision, mod);
        if (decision.chosen && decision.winner == mod)
            description += MergeTree::tr("（已选择）");
        return description;
    }
    if (text) {
        const MergeValue& result =
            decision.winner >= 0 ? decision.mods[size_t(decision.winner)] : decision.base;
        QString shown = valueCellText(decision, result, *base_);
        if (decision.chosen)
            shown += MergeTree::tr("（已选择 %1）").arg(decision.winner + 1);
        return shown;
    }
    return words ? QVariant(resultText(decision, mods_)) : roleCell(resultCellRole(decision), role);
}

QVariant MergeTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractItemModel::headerData(section, orientation, role);
    if (section == 0)
        return MergeTree::tr("物品 / 字段");
    if (section == 1)
        return MergeTree::tr("原版");
    if (section == columns() - 1)
        return MergeTree::tr("结果");
    return modHeading(mods_, section - 2);
}

} // namespace wed
