#pragma once

#include "base/outcome.h"
#include "data/item_ref.h"

#include <QWidget>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;

namespace wed {

class Comparison;
class Document;

// Every change of the folder against the base, one row each, in the base's order: the item,
// the field, the base's value and the value now. The rows follow the comparison. Double-
// clicking a row, or pressing Enter on it, asks to show its item; "还原" takes the selected
// rows back to the base as one step of the history.
class ComparisonWindow : public QWidget {
    Q_OBJECT
  public:
    ComparisonWindow(Document& document, Comparison& comparison, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // Takes the selected rows back to the base.
    void revertSelected();

  signals:
    void itemRequested(const wed::ItemRef& item);
    void outcome(const wed::Outcome& outcome);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void fill();
    void request(int row);
    std::vector<size_t> selectedRows() const;
    // The item of the folder a change concerns; none when the folder has none.
    std::optional<ItemRef> itemOf(size_t row) const;

    Document& document_;
    Comparison& comparison_;
    QTableWidget* table_ = nullptr;
    QPushButton* revert_ = nullptr;
};

} // namespace wed
