#include "app/category_table.h"

#include "app/comparison.h"
#include "app/item_find.h"
#include "app/rule_text.h"
#include "base/code_page.h"
#include "data/cell_arithmetic.h"
#include "data/item_fields.h"
#include "data/numeric_value.h"
#include "data/pair_value.h"

#include <algorithm>
#include <array>
#include <utility>

namespace wed {
namespace {

const QString kNone = QStringLiteral("无");

// What a field cell shows of the value: the whole value, or one of a pair's numbers.
QString shownPart(const QString& value, int half) {
    return half < 0 ? value : pairHalf(value, half);
}

} // namespace

CategoryTable::CategoryTable(Document& document, CategoryId category, QObject* parent)
    : QAbstractTableModel(parent), document_(document), category_(category),
      columns_(category, nullptr) {
    rebuild();
    connect(&document_, &Document::filesChanged, this, &CategoryTable::follow);
    connect(&document_, &Document::filesReplaced, this, &CategoryTable::reset);
}

void CategoryTable::setComparison(const Comparison* comparison) {
    if (comparison_)
        disconnect(comparison_, nullptr, this, nullptr);
    comparison_ = comparison;
    if (comparison_) {
        // The comparison follows the document's writes too: the marks are read again after it.
        connect(comparison_, &Comparison::changed, this, [this] { showAllChanged(kIdColumn); });
        connect(comparison_, &Comparison::baseSet, this, [this] {
            computed_.forgetAll(); // a rule may read the base
            forget();
            showAllChanged(kIdColumn);
        });
    }
    showAllChanged(kIdColumn);
}

void CategoryTable::setRules(Rules* rules) {
    beginResetModel();
    rules_ = rules;
    columns_ = TableColumns(category_, rules);
    rebuild();
    endResetModel();
}

void CategoryTable::rebuild() {
    rows_ = document_.game().listed(category_).entries;
    computed_.reset(rules_, category_, rows_.size());
    forget();
}

void CategoryTable::reset() {
    beginResetModel();
    rebuild();
    endResetModel();
}

void CategoryTable::follow(const FilesChanged& changed) {
    if (changed.linesMoved[size_t(GameFile::Items)])
        return reset();
    forget();
    if (rows_.empty())
        return;
    if (changed.changed[size_t(GameFile::Names)])
        computed_.forgetAll(); // a rule may read the name
    else if (changed.changed[size_t(GameFile::Items)])
        forgetChangedRows(changed.made[size_t(GameFile::Items)]);
    if (changed.changed[size_t(GameFile::Items)])
        showAllChanged(kNameColumn + 1);
    if (changed.changed[size_t(GameFile::Names)])
        showAllChanged(kNameColumn);
}

// One change (a keystroke) costs its item's computed values; more forget them all, to be
// computed again as they are shown.
void CategoryTable::forgetChangedRows(const Splices& made) {
    if (made.size() != 1)
        return computed_.forgetAll();
    if (const int row = rowOfLine(document_.game().items().lineAt(made.front().offset)); row >= 0)
        computed_.forgetRow(size_t(row));
}

int CategoryTable::rowOfLine(qsizetype line) const {
    const auto after = std::upper_bound(
        rows_.begin(), rows_.end(), line,
        [](qsizetype at, const ListEntry& entry) { return at < entry.headerLine; });
    return int(after - rows_.begin()) - 1;
}

void CategoryTable::showAllChanged(int firstColumn) {
    if (!rows_.empty())
        emit dataChanged(index(0, firstColumn), index(rowCount() - 1, columnCount() - 1));
}

ItemRef CategoryTable::item(int row) const {
    const ListEntry& entry = rows_[size_t(row)];
    return {category_, entry.id, entry.ordinal + 1};
}

void CategoryTable::forget() {
    recordRow_ = -1;
    names_.reset();
    sortKeys_.assign(size_t(columnCount()), {});
}

const ItemRecord& CategoryTable::recordOf(int row) const {
    // A view asks for the cells of a row one after another: read its record once.
    if (recordRow_ != row) {
        record_ = document_.game().record(category_, rows_[size_t(row)].headerLine);
        recordRow_ = row;
    }
    return record_;
}

const QString& CategoryTable::nameOf(int row) const {
    if (!names_)
        names_ = namesOf(document_.game().names(), document_.game().nameIndex(), category_, rows_);
    return (*names_)[size_t(row)];
}

const ColumnValue& CategoryTable::computed(int row, int column) const {
    const GameData* base = comparison_ && comparison_->active() ? &comparison_->base() : nullptr;
    return computed_.value(size_t(row), size_t(column - columns_.firstComputed()), document_.game(),
                           item(row), base);
}

std::vector<ComputedColumn> CategoryTable::sheetColumns() const {
    return wed::sheetColumns(
        computed_, rows_, [this](size_t row, size_t column) -> const auto& {
            return computed(int(row), columns_.firstComputed() + int(column));
        });
}

SortKey CategoryTable::makeSortKey(int row, int column) const {
    const TableColumn& shown = columns_.at(column);
    switch (shown.kind) {
    case TableColumn::Kind::Id:
        return {SortKey::Group::Text, 0, rows_[size_t(row)].id};
    case TableColumn::Kind::Name:
        return {SortKey::Group::Text, 0, nameOf(row)};
    case TableColumn::Kind::Computed:
        return sortKeyOf(computed(row, column));
    case TableColumn::Kind::Field:
        break;
    }
    return fieldSortKey(readFieldAt(document_.game().items(), category_,
                                    rows_[size_t(row)].headerLine, shown.field),
                        shown);
}

SortKey CategoryTable::fieldSortKey(const KeyHit& hit, const TableColumn& column) const {
    if (hit.lineNumber < 1)
        return {};
    const QString part = shownPart(hit.value, column.half);
    if (column.half == 1 && part.isEmpty())
        return {}; // the second number of a value that is not a pair
    return sortKeyOf(part, categoryFields(category_).fields[size_t(column.field)].type);
}

std::vector<SortKey> CategoryTable::makeSortKeys(int row, std::span<const int> columns) const {
    std::vector<QByteArray> keys;
    for (const int column : columns)
        if (columns_.at(column).kind == TableColumn::Kind::Field)
            keys.push_back(categoryFields(category_).fields[size_t(columns_.at(column).field)].key);
    const std::vector<KeyHit> hits =
        keys.empty() ? std::vector<KeyHit>()
                     : scanRecordAt(document_.game().items(), rows_[size_t(row)].headerLine,
                                    categoryFields(category_).endRule, keys);
    std::vector<SortKey> made;
    size_t hit = 0;
    for (const int column : columns)
        made.push_back(columns_.at(column).kind == TableColumn::Kind::Field
                           ? fieldSortKey(hits[hit++], columns_.at(column))
                           : makeSortKey(row, column));
    return made;
}

const SortKey& CategoryTable::sortKey(int row, int column) const {
    std::vector<SortKey>& keys = sortKeys_[size_t(column)];
    if (keys.empty()) {
        keys.reserve(rows_.size());
        for (int r = 0; r < rowCount(); ++r)
            keys.push_back(makeSortKey(r, column));
    }
    return keys[size_t(row)];
}

// A cell's new value under the input, or none with `refused` saying why.
std::optional<QString> CategoryTable::cellEdit(int row, const TableColumn& column,
                                               const CellInput& input, Outcome& refused) const {
    const KeyHit hit = readFieldAt(document_.game().items(), category_,
                                   rows_[size_t(row)].headerLine, column.field);
    // A cell without a key line keeps "无"; the document tells how many there were.
    if (hit.lineNumber < 1)
        return QString();
    Status unfit = Status::CellNotANumber;
    QString culprit = shownPart(hit.value, column.half);
    std::optional<QString> text = applyCellInput(culprit, input, &unfit);
    if (text && column.half >= 0) {
        // A pair's number takes a number; the first cell of a value that is not a pair
        // stands for the whole value, as it shows it, and the second has nothing to change.
        if (pairSpans(hit.value) && !isNumber(*text))
            culprit = *std::exchange(text, std::nullopt);
        else if (text = withPairHalf(hit.value, column.half, *text); !text)
            culprit = hit.value;
    }
    if (!text) {
        refused = Outcome::of(unfit, {}, culprit);
        refused.item = rows_[size_t(row)].id;
    }
    return text;
}

Outcome CategoryTable::editCells(const std::vector<int>& rows, int column, const QString& typed) {
    if (column < 0 || column >= columns_.firstComputed() ||
        columns_.at(column).kind != TableColumn::Kind::Field || rows.empty())
        return Outcome::of(Status::Ignored);
    const TableColumn& shown = columns_.at(column);
    std::optional<CellInput> input = CellInput{CellInput::Kind::Text, typed, 0};
    Status unfit = Status::CellNotANumber;
    if (rows.size() > 1)
        input = readCellInput(typed, &unfit);
    if (!input)
        return Outcome::of(unfit, {}, typed);
    std::vector<Document::CellEdit> cells;
    for (int row : rows) {
        Outcome refused;
        const std::optional<QString> text = cellEdit(row, shown, *input, refused);
        if (!text)
            return refused;
        const KeyHit hit = readFieldAt(document_.game().items(), category_,
                                       rows_[size_t(row)].headerLine, shown.field);
        cells.push_back({item(row), *text, hit.value});
    }
    return document_.setFields(category_, shown.field, cells);
}

int CategoryTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int CategoryTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_.count();
}

// The base's value of a field cell, when it differs from the cell's own; none otherwise, and
// for an item the base lacks (its id says so).
std::optional<QString> CategoryTable::baseNote(int row, const TableColumn& column) const {
    if (!comparison_ || !comparison_->active() || !comparison_->baseHas(item(row)))
        return std::nullopt;
    const FieldSpec& field = categoryFields(category_).fields[size_t(column.field)];
    const std::optional<QByteArray> base = comparison_->baseValue(item(row), field.name());
    const KeyHit& hit = recordOf(row).fields[size_t(column.field)];
    const std::optional<QString> now =
        hit.lineNumber < 1 ? std::nullopt : std::optional(shownPart(hit.value, column.half));
    const std::optional<QString> was =
        base ? std::optional(shownPart(decodeAnsi(*base), column.half)) : std::nullopt;
    if (now == was)
        return std::nullopt;
    return tr("原版：%1").arg(was ? *was : kNone);
}

QVariant CategoryTable::fieldData(int row, const TableColumn& column, int role) const {
    const KeyHit& hit = recordOf(row).fields[size_t(column.field)];
    const bool missing = hit.lineNumber < 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return missing ? kNone : shownPart(hit.value, column.half);
    case kMissingRole:
        return missing;
    case kChangedRole:
        return baseNote(row, column).has_value();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (const std::optional<QString> note = baseNote(row, column))
            return *note;
        return {};
    default:
        return {};
    }
}

QVariant CategoryTable::computedData(int row, int column, int role) const {
    if (role == kComputedRole)
        return true;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != kFailedRole &&
        role != Qt::AccessibleDescriptionRole)
        return {};
    const ColumnValue& value = computed(row, column);
    if (role == Qt::DisplayRole)
        return columnValueText(value);
    if (role == kFailedRole)
        return value.error.has_value();
    return value.error ? QVariant(describeRuleError(*value.error)) : QVariant();
}

QVariant CategoryTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    const TableColumn& column = columns_.at(index.column());
    switch (column.kind) {
    case TableColumn::Kind::Field:
        return fieldData(row, column, role);
    case TableColumn::Kind::Computed:
        return computedData(row, index.column(), role);
    case TableColumn::Kind::Id:
    case TableColumn::Kind::Name:
        break;
    }
    const QString text = column.kind == TableColumn::Kind::Id ? rows_[size_t(row)].id : nameOf(row);
    const bool added = column.kind == TableColumn::Kind::Id && comparison_ &&
                       comparison_->active() && !comparison_->baseHas(item(row));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::ToolTipRole:
        return added ? text + u'\n' + tr("新增") : text;
    case Qt::AccessibleDescriptionRole:
        return added ? tr("新增") : QString();
    case kAddedRole:
        return added;
    default:
        return {};
    }
}

QVariant CategoryTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_.heading(section);
    if (role == Qt::ToolTipRole && columns_.at(section).kind >= TableColumn::Kind::Field)
        return columns_.headingTip(section);
    return {};
}

// A field with a key line in the item's record can be edited; "无" cannot, nor the second
// number of a value that is not a pair, nor a computed column.
Qt::ItemFlags CategoryTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || columns_.at(index.column()).kind != TableColumn::Kind::Field)
        return flags;
    const TableColumn& column = columns_.at(index.column());
    const KeyHit& hit = recordOf(index.row()).fields[size_t(column.field)];
    if (hit.lineNumber > 0 && (column.half != 1 || pairSpans(hit.value)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

TableSortFilter::TableSortFilter(CategoryTable& table, QObject* parent)
    : QSortFilterProxyModel(parent), table_(table) {
    setSourceModel(&table);
}

void TableSortFilter::setFind(const QString& text) {
    find_ = text;
    invalidateFilter();
}

bool TableSortFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    return find_.isEmpty() || findMatches(find_, table_.entry(row).id, table_.nameOf(row));
}

// "无" stays last whichever way the column is sorted; equal keys keep file order.
bool TableSortFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const SortKey& a = table_.sortKey(left.row(), left.column());
    const SortKey& b = table_.sortKey(right.row(), right.column());
    const bool aMissing = a.group == SortKey::Group::Missing;
    const bool bMissing = b.group == SortKey::Group::Missing;
    if (aMissing != bMissing)
        return sortOrder() == Qt::AscendingOrder ? bMissing : aMissing;
    if (lessKey(a, b) != lessKey(b, a))
        return lessKey(a, b);
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

std::vector<ListEntry> TableSortFilter::shownEntries() const {
    std::vector<ListEntry> shown;
    for (int row = 0; row < rowCount(); ++row)
        shown.push_back(table_.entry(mapToSource(index(row, 0)).row()));
    return shown;
}

} // namespace wed
