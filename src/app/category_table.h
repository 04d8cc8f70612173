#pragma once

#include "app/category_sheet.h"
#include "app/computed_cells.h"
#include "app/document.h"
#include "app/sort_key.h"
#include "app/table_columns.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>
#include <span>
#include <vector>

namespace wed {

class Comparison;
struct CellInput;

// A whole category as a table: one row per listed item, in file order; the id, the name, one
// column per field (a pair's two numbers each a column of its own), then the rules' computed
// columns, read-only. It is a view of the document: values are read from its model when the
// view asks for them, and only the sort keys, names and computed values are kept, until the
// document's signals say the files changed. A header's tooltip is the field's key, or the
// computed column's file and line. With a comparison, a cell whose value differs from the
// base's says the base's value, and the id of an item the base lacks says so.
class CategoryTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kIdColumn = TableColumns::kIdColumn;
    static constexpr int kNameColumn = TableColumns::kNameColumn;
    // Data roles: true for a cell whose key the item's record lacks (shown as "无"); for a
    // field cell whose value differs from the base's; for the id of an item the base lacks;
    // for a computed cell; for a computed cell whose rule failed.
    static constexpr int kMissingRole = Qt::UserRole;
    static constexpr int kChangedRole = Qt::UserRole + 1;
    static constexpr int kAddedRole = Qt::UserRole + 2;
    static constexpr int kComputedRole = Qt::UserRole + 3;
    static constexpr int kFailedRole = Qt::UserRole + 4;

    CategoryTable(Document& document, CategoryId category, QObject* parent = nullptr);

    // The comparison whose base the cells are compared with; followed as it changes.
    void setComparison(const Comparison* comparison);
    // The rules whose computed columns the table shows after the fields; null for none. The
    // columns are laid out again.
    void setRules(Rules* rules);

    CategoryId category() const { return category_; }
    const TableColumns& columns() const { return columns_; }
    const ListEntry& entry(int row) const { return rows_[size_t(row)]; }
    // The row whose record holds a line of the item file; -1 for a line before the first.
    // Rows keep their header lines until an edit moves lines, which lists them again.
    int rowOfLine(qsizetype line) const;
    ItemRef item(int row) const;
    const QString& nameOf(int row) const;
    const SortKey& sortKey(int row, int column) const;
    // One cell's sort key, read now (sortKey reads and keeps a whole column's).
    SortKey makeSortKey(int row, int column) const;
    // Several cells' of a row, read now: the fields' in one pass over the item's record.
    std::vector<SortKey> makeSortKeys(int row, std::span<const int> columns) const;

    // A text typed over cells of one field column, the rows in the order shown: for one cell
    // the text itself, for several the same text in each, or "*1.1", "+5", "-5" applied to
    // each cell's numbers ("=" before a text that begins with a sign). Written with the
    // field's rules in one save and one step; cells showing "无" are left out and told; a
    // refusal of any cell writes nothing and names the first item that refused. A pair's
    // number takes a number and keeps the rest of the value as it is.
    Outcome editCells(const std::vector<int>& rows, int column, const QString& typed);
    // The computed columns as a sheet writes them after the fields, for any of the rows.
    std::vector<ComputedColumn> sheetColumns() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void rebuild();
    void reset();
    void forget();
    void follow(const FilesChanged& changed);
    void forgetChangedRows(const Splices& made);
    void showAllChanged(int firstColumn);
    const ItemRecord& recordOf(int row) const;
    SortKey fieldSortKey(const KeyHit& hit, const TableColumn& column) const;
    QString cellText(int row, const TableColumn& column) const;
    const ColumnValue& computed(int row, int column) const;
    std::optional<QString> baseNote(int row, const TableColumn& column) const;
    QVariant fieldData(int row, const TableColumn& column, int role) const;
    QVariant computedData(int row, int column, int role) const;
    std::optional<QString> cellEdit(int row, const TableColumn& column, const CellInput& input,
                                    Outcome& refused) const;

    Document& document_;
    CategoryId category_;
    const Comparison* comparison_ = nullptr;
    Rules* rules_ = nullptr;
    TableColumns columns_;
    std::vector<ListEntry> rows_;
    mutable ComputedCells computed_;
    // Kept only until the document changes.
    mutable int recordRow_ = -1;
    mutable ItemRecord record_;
    mutable std::optional<std::vector<QString>> names_;
    mutable std::vector<std::vector<SortKey>> sortKeys_; // per column, filled when first sorted
};

// The table's rows as the user sees them: filtered by the find text (the item list's rule) and
// sorted by a column's sort keys.
class TableSortFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit TableSortFilter(CategoryTable& table, QObject* parent = nullptr);
    void setFind(const QString& text);
    const CategoryTable& table() const { return table_; }
    // The items of the rows shown, in the order shown.
    std::vector<ListEntry> shownEntries() const;

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    CategoryTable& table_;
    QString find_;
};

} // namespace wed
