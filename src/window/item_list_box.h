#pragma once

#include <QListWidget>

namespace wed {

// The item list. An item is shown only while its row is selected, so the list never has a
// current row without a selection: Tab brings the focus in with nothing selected (the first
// Down, Home, Page Down or typed letter then selects a row), and a selected row stays
// selected until another one is chosen.
class ItemListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ItemListBox(QWidget* parent = nullptr);

    // Selects the row, or nothing for -1, without announcing a change of selection.
    void selectQuietly(int row);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

} // namespace wed
