#include "window/item_list_box.h"

#include <QSignalBlocker>

namespace wed {

ItemListBox::ItemListBox(QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ItemListBox::selectQuietly(int row) {
    const QSignalBlocker quiet(this);
    const QSignalBlocker quietSelection(selectionModel());
    if (row < 0 || row >= count()) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
    viewport()->update();
}

// Qt's view makes the first row current when the focus arrives without one; that row would look
// chosen while nothing is shown. Take it back; the keys that move from no row go to the first.
void ItemListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && selectedItems().isEmpty() && currentIndex().isValid()) {
        const QSignalBlocker quiet(selectionModel());
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

// Ctrl with a click or Space would take the selection away from the row shown.
QItemSelectionModel::SelectionFlags ItemListBox::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    return flags.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
}

} // namespace wed
