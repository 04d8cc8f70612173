#include "window/merge_tree.h"

#include "app/merge_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <limits>
#include <map>
#include <optional>

namespace wed {
namespace {

constexpr int kDecisionRole = Qt::UserRole + 1; // a field row's decision, in its first column
constexpr int kRoleRole = Qt::UserRole + 2;     // a cell's MergeCellRole

// A row whose cells keep their role, and give its colours and words when asked: a tree of
// thousands of rows then fills in the time of their texts.
class MergeRow : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;

    void setCell(int column, const QString& text, MergeCellRole role,
                 const QString& description = {}) {
        if (!text.isEmpty())
            setText(column, text);
        if (size_t(column) >= roles_.size()) {
            roles_.resize(size_t(column) + 1);
            descriptions_.resize(size_t(column) + 1);
        }
        roles_[size_t(column)] = role;
        descriptions_[size_t(column)] = description;
    }

    QVariant data(int column, int role) const override {
        if (column < 0 || size_t(column) >= roles_.size() || !roles_[size_t(column)])
            return QTreeWidgetItem::data(column, role);
        const MergeCellRole cell = *roles_[size_t(column)];
        switch (role) {
        case kRoleRole:
            return int(cell);
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole: {
            const QString& description = descriptions_[size_t(column)];
            return description.isEmpty() ? roleText(cell) : description;
        }
        case Qt::BackgroundRole:
            return cell == MergeCellRole::SameAsBase ? QVariant()
                                                     : QVariant(MergeTree::roleColour(cell));
        case Qt::ForegroundRole:
            return cell == MergeCellRole::SameAsBase ? QVariant() : QVariant(QColor(Qt::black));
        default:
            return QTreeWidgetItem::data(column, role);
        }
    }

  private:
    std::vector<std::optional<MergeCellRole>> roles_; // none: a cell of no role
    std::vector<QString> descriptions_;               // empty: the role's own words
};

// One field's row: its base value, each mod's value with its role, and the result.
void fillFieldRow(MergeRow* row, const MergeDecision& decision, const GameData& base,
                  const std::vector<ModSource>& mods) {
    const int columns = int(mods.size()) + 3;
    row->setText(0, decisionWhatText(decision));
    row->setCell(1, valueCellText(decision, decision.base, base), MergeCellRole::SameAsBase,
                 MergeTree::tr("原版"));
    for (int mod = 0; mod < int(mods.size()); ++mod) {
        const MergeValue& value = decision.mods[size_t(mod)];
        if (!value.changed) {
            row->setCell(mod + 2, {}, MergeCellRole::SameAsBase);
            continue;
        }
        QString description = describeRole(decision, mod);
        if (decision.chosen && decision.winner == mod)
            description += MergeTree::tr("（已选择）");
        row->setCell(mod + 2, valueCellText(decision, value, base), modCellRole(decision, mod),
                     description);
    }
    const MergeValue& result =
        decision.winner >= 0 ? decision.mods[size_t(decision.winner)] : decision.base;
    QString text = valueCellText(decision, result, base);
    if (decision.chosen)
        text += MergeTree::tr("（已选择 %1）").arg(decision.winner + 1);
    row->setCell(columns - 1, text, resultCellRole(decision), resultText(decision, mods));
}

// An item's row carries, per column, the worst role of its fields' cells.
void markItem(MergeRow* item, int columns) {
    int conflicts = 0;
    MergeCellRole worst = MergeCellRole::SameAsBase;
    for (int column = 2; column < columns; ++column) {
        MergeCellRole columnWorst = MergeCellRole::SameAsBase;
        for (int child = 0; child < item->childCount(); ++child)
            columnWorst = std::max(columnWorst, MergeTree::cellRole(item->child(child), column));
        worst = std::max(worst, columnWorst);
        if (column < columns - 1)
            item->setCell(column, {}, columnWorst);
    }
    for (int child = 0; child < item->childCount(); ++child)
        conflicts += MergeTree::cellRole(item->child(child), columns - 1) == MergeCellRole::Wins;
    const QString status =
        conflicts > 0 ? MergeTree::tr("%n 处冲突", nullptr, conflicts) : roleText(worst);
    item->setCell(columns - 1, status, worst, status);
    item->setCell(0, {}, worst);
}

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

// The decisions by group, and within a category by where the base has the item (the items it
// lacks after those it has), each item's in the merge's order.
std::vector<size_t> shownOrder(const MergeResult& result, const GameData& base) {
    std::vector<std::pair<std::pair<int, qsizetype>, size_t>> keys;
    for (size_t i = 0; i < result.decisions.size(); ++i) {
        const MergeDecision& decision = result.decisions[i];
        const int rank = groupRank(decision);
        qsizetype place = std::numeric_limits<qsizetype>::max();
        if (rank < 3)
            if (const qsizetype header = base.headerOf(decision.item); header >= 0)
                place = header;
        keys.push_back({{rank, place}, i});
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<size_t> order;
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

} // namespace

MergeTree::MergeTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("MergeTree"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(false);
    header()->setStretchLastSection(false);
}

void MergeTree::setHeadings(const std::vector<ModSource>& mods) {
    QStringList headings{tr("物品 / 字段"), tr("原版")};
    for (int mod = 0; mod < int(mods.size()); ++mod)
        headings.append(modHeading(mods, mod));
    headings.append(tr("结果"));
    setColumnCount(int(headings.size()));
    setHeaderLabels(headings);
}

void MergeTree::showMerge(const MergeResult& result, const GameData& base,
                          const std::vector<ModSource>& mods, bool conflictsOnly) {
    // Where the user stood: the decision's name and the column.
    const int standing = currentDecision();
    const QString name = standing >= 0 && size_t(standing) < result.decisions.size()
                             ? currentItem()->data(0, Qt::UserRole).toString()
                             : QString();
    const int column = currentColumn();
    QTreeWidgetItem* current = nullptr;

    clear();
    setHeadings(mods);
    const int columns = int(mods.size()) + 3;
    std::map<int, QTreeWidgetItem*> groups;
    std::map<std::pair<int, QString>, MergeRow*> items;
    for (const size_t i : shownOrder(result, base)) {
        const MergeDecision& decision = result.decisions[i];
        if (conflictsOnly && !decision.conflict())
            continue;
        const int rank = groupRank(decision);
        QTreeWidgetItem*& group = groups[rank];
        if (!group)
            group = new QTreeWidgetItem({decisionGroupText(decision)});
        const QString itemText = decisionItemText(decision);
        MergeRow*& item = items[{rank, itemText}];
        if (!item)
            item = new MergeRow(group, {itemText});
        auto* row = new MergeRow(item);
        row->setData(0, kDecisionRole, qulonglong(i));
        row->setData(0, Qt::UserRole, conflictName(decision));
        fillFieldRow(row, decision, base, mods);
        if (!name.isEmpty() && conflictName(decision) == name)
            current = row;
    }
    for (const auto& [key, item] : items)
        markItem(item, columns);
    // Rows made before they join the tree cost the tree's model nothing on the way.
    for (const auto& [rank, group] : groups) {
        addTopLevelItem(group);
        group->setFirstColumnSpanned(true);
    }
    expandAll();
    for (int c = 0; c < columns; ++c)
        resizeColumnToContents(c);
    if (current)
        setCurrentItem(current, std::min(column, columns - 1));
}

int MergeTree::currentDecision() const {
    const QTreeWidgetItem* row = currentItem();
    if (!row || !row->data(0, kDecisionRole).isValid())
        return -1;
    return row->data(0, kDecisionRole).toInt();
}

int MergeTree::currentMod() const {
    const int column = currentColumn();
    return column >= 2 && column < columnCount() - 1 ? column - 2 : -1;
}

MergeCellRole MergeTree::cellRole(const QTreeWidgetItem* row, int column) {
    return MergeCellRole(row->data(column, kRoleRole).toInt());
}

QColor MergeTree::roleColour(MergeCellRole role) {
    switch (role) {
    case MergeCellRole::SameAsBase:
        return {};
    case MergeCellRole::ChangedAlone:
        return QColor(0xd4, 0xee, 0xcf); // green: taken, nothing to decide
    case MergeCellRole::SameAsOther:
        return QColor(0xcf, 0xe2, 0xf6); // blue: agreed
    case MergeCellRole::Wins:
        return QColor(0xff, 0xe3, 0x9a); // amber: a conflict, this value taken
    case MergeCellRole::Loses:
        return QColor(0xf6, 0xc4, 0xc4); // red: a conflict, this value lost
    }
    return {};
}

void MergeTree::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentDecision() >= 0) {
        emit takeRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace wed
