#pragma once

#include "app/category_table.h"
#include "window/window_status.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QTableView;

namespace wed {

class Prompts;

// The table's rows as the window shows them: a key the record lacks greyed, a value that
// differs from the base's on the comparison's background, an item the base lacks in its
// colour, the computed columns on a background of their own; and each field's heading with
// its key and the field's help as its tooltip.
class TableRows : public TableSortFilter {
    Q_OBJECT
  public:
    using TableSortFilter::TableSortFilter;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
};

// The table of one category, in a window of its own: the items as rows, their fields as
// columns, sorted by a click on a header and filtered by its own find box (Ctrl+F). A cell is
// edited with the field's rules and written on Enter; a value typed over several cells of one
// column goes to all of them in one save and one step, and "*1.1", "+5" or "-5" change each
// cell's number. Ctrl+Z and Ctrl+Y reach the document while no cell is being edited;
// Ctrl+Shift+S exports the rows shown as CSV, as the command line's export writes them, and
// Ctrl+Shift+O imports a CSV file of the category, shown before it is applied.
class TableWindow : public QWidget {
    Q_OBJECT
  public:
    TableWindow(Document& document, CategoryId category, Prompts& prompts,
                QWidget* parent = nullptr);

    CategoryId category() const { return table_.category(); }
    QTableView* view() const { return view_; }
    TableSortFilter& rows() { return rows_; }
    QLineEdit* findBox() const { return find_; }

    // The comparison whose base the cells are marked against.
    void setComparison(const Comparison* comparison);
    // The rules whose computed columns show after the fields; null for none.
    void setRules(Rules* rules);

    // The typed text for the selected cells of one column, or for the current cell.
    void commitCells(const QString& typed);
    void exportCsv();
    void importCsv();

  signals:
    void outcome(const wed::Outcome& outcome);
    // A selection the table cannot edit.
    void refused(const wed::WindowRefusal& refusal);
    // The chart of two columns, the left one as X (the context menu's entry).
    void chartRequested(int xColumn, int yColumn);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void installKeys();
    void retranslate();
    void chartSelected();

    Document& document_;
    Prompts& prompts_;
    CategoryTable table_;
    TableRows rows_;
    QTableView* view_ = nullptr;
    QLineEdit* find_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* importAction_ = nullptr;
    QAction* chartAction_ = nullptr;
};

} // namespace wed
