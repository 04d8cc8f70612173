#include "app/category_table.h"

#include "app/item_find.h"
#include "app/shown_words.h"
#include "data/cell_arithmetic.h"
#include "data/item_fields.h"

namespace wed {
namespace {

const QString kNone = QStringLiteral("无");

SortKey sortKeyOf(const QString& text, ValueType type) {
    if (type == ValueType::Text)
        return {SortKey::Group::Text, 0, text};
    // A number, or a pair, leads with a number; anything else sorts as text.
    const QString first = text.section(u' ', 0, 0, QString::SectionSkipEmpty);
    bool number = false;
    const double value = first.toDouble(&number);
    if (number)
        return {SortKey::Group::Number, value, {}};
    return {SortKey::Group::Text, 0, text};
}

bool lessKey(const SortKey& a, const SortKey& b) {
    if (a.group != b.group)
        return a.group < b.group;
    if (a.group == SortKey::Group::Number)
        return a.number < b.number;
    return a.text < b.text;
}

} // namespace

CategoryTable::CategoryTable(Document& document, CategoryId category, QObject* parent)
    : QAbstractTableModel(parent), document_(document), category_(category) {
    rebuild();
    connect(&document_, &Document::filesChanged, this, [this](const FilesChanged& changed) {
        if (changed.linesMoved[size_t(GameFile::Items)])
            return reset();
        forget();
        if (rows_.empty())
            return;
        if (changed.changed[size_t(GameFile::Items)])
            emit dataChanged(index(0, kFirstField), index(rowCount() - 1, columnCount() - 1));
        if (changed.changed[size_t(GameFile::Names)])
            emit dataChanged(index(0, kNameColumn), index(rowCount() - 1, kNameColumn));
    });
    connect(&document_, &Document::filesReplaced, this, &CategoryTable::reset);
}

void CategoryTable::rebuild() {
    rows_ = document_.game().listed(category_).entries;
    forget();
}

void CategoryTable::reset() {
    beginResetModel();
    rebuild();
    endResetModel();
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

const SortKey& CategoryTable::sortKey(int row, int column) const {
    std::vector<SortKey>& keys = sortKeys_[size_t(column)];
    if (keys.empty()) {
        keys.reserve(rows_.size());
        for (int r = 0; r < rowCount(); ++r) {
            if (column == kIdColumn)
                keys.push_back({SortKey::Group::Text, 0, rows_[size_t(r)].id});
            else if (column == kNameColumn)
                keys.push_back({SortKey::Group::Text, 0, nameOf(r)});
            else if (const KeyHit hit = readFieldAt(document_.game().items(), category_,
                                                    rows_[size_t(r)].headerLine, fieldOf(column));
                     hit.lineNumber < 1)
                keys.push_back({});
            else
                keys.push_back(sortKeyOf(
                    hit.value, categoryFields(category_).fields[size_t(fieldOf(column))].type));
        }
    }
    return keys[size_t(row)];
}

Outcome CategoryTable::editCells(const std::vector<int>& rows, int column, const QString& typed) {
    const int field = fieldOf(column);
    if (field < 0 || rows.empty())
        return Outcome::of(Status::Ignored);
    std::optional<CellInput> input = CellInput{CellInput::Kind::Text, typed, 0};
    Status unfit = Status::CellNotANumber;
    if (rows.size() > 1)
        input = readCellInput(typed, &unfit);
    if (!input)
        return Outcome::of(unfit, {}, typed);
    std::vector<Document::CellEdit> cells;
    for (int row : rows) {
        const KeyHit hit =
            readFieldAt(document_.game().items(), category_, rows_[size_t(row)].headerLine, field);
        // A cell without a key line keeps "无"; the document tells how many there were.
        const std::optional<QString> text = hit.lineNumber < 1
                                                ? std::optional(QString())
                                                : applyCellInput(hit.value, *input, &unfit);
        if (!text) {
            Outcome refused = Outcome::of(unfit, {}, hit.value);
            refused.item = rows_[size_t(row)].id;
            return refused;
        }
        cells.push_back({item(row), *text, hit.value});
    }
    return document_.setFields(category_, field, cells);
}

int CategoryTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int CategoryTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstField + int(categoryFields(category_).fields.size());
}

QVariant CategoryTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (index.column() < kFirstField) {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
            return {};
        return index.column() == kIdColumn ? rows_[size_t(row)].id : nameOf(row);
    }
    const KeyHit& hit = recordOf(row).fields[size_t(fieldOf(index.column()))];
    const bool missing = hit.lineNumber < 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return missing ? kNone : hit.value;
    case kMissingRole:
        return missing;
    default:
        return {};
    }
}

QVariant CategoryTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == kIdColumn)
        return role == Qt::DisplayRole ? QVariant(tr("编号")) : QVariant();
    if (section == kNameColumn)
        return role == Qt::DisplayRole ? QVariant(tr("名字")) : QVariant();
    const FieldSpec& field = categoryFields(category_).fields[size_t(fieldOf(section))];
    if (role == Qt::DisplayRole)
        return shownCaption(field).trimmed();
    if (role == Qt::ToolTipRole)
        return QString::fromLatin1(field.key);
    return {};
}

// A field with a key line in the item's record can be edited; "无" cannot.
Qt::ItemFlags CategoryTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() >= kFirstField &&
        recordOf(index.row()).fields[size_t(fieldOf(index.column()))].lineNumber > 0)
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
