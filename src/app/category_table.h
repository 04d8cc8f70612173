#pragma once

#include "app/document.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

namespace wed {

// How a cell sorts: numbers by number (a pair by its first number), other text as text, and a
// key the record lacks after everything, whichever way the column is sorted.
struct SortKey {
    enum class Group { Number, Text, Missing };
    Group group = Group::Missing;
    double number = 0;
    QString text;
};

// A whole category as a table: one row per listed item, in file order; the id, the name, then
// one column per field. It is a view of the document: values are read from its model when the
// view asks for them, and only the sort keys and names are kept, until the document's signals
// say the files changed. A header's tooltip is the field's key.
class CategoryTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kIdColumn = 0;
    static constexpr int kNameColumn = 1;
    static constexpr int kFirstField = 2;
    // Data role: true for a cell whose key the item's record lacks (shown as "无").
    static constexpr int kMissingRole = Qt::UserRole;

    CategoryTable(Document& document, CategoryId category, QObject* parent = nullptr);

    CategoryId category() const { return category_; }
    const ListEntry& entry(int row) const { return rows_[size_t(row)]; }
    ItemRef item(int row) const;
    // The field a column shows, or -1 for the id and the name.
    int fieldOf(int column) const { return column - kFirstField; }
    const QString& nameOf(int row) const;
    const SortKey& sortKey(int row, int column) const;

    // A text typed over cells of one field column, the rows in the order shown: for one cell
    // the text itself, for several the same text in each, or "*1.1", "+5", "-5" applied to
    // each cell's numbers ("=" before a text that begins with a sign). Written with the
    // field's rules in one save and one step; cells showing "无" are left out and told; a
    // refusal of any cell writes nothing and names the first item that refused.
    Outcome editCells(const std::vector<int>& rows, int column, const QString& typed);

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
    const ItemRecord& recordOf(int row) const;

    Document& document_;
    CategoryId category_;
    std::vector<ListEntry> rows_;
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
