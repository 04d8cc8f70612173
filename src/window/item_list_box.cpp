#include "window/item_list_box.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>

namespace wed {

ItemListBox::ItemListBox(QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    findBox_ = new QLineEdit(this);
    findBox_->setObjectName(QStringLiteral("FindBox"));
    findBox_->setClearButtonEnabled(true);
    findBox_->hide();
    findBox_->installEventFilter(this);
    connect(findBox_, &QLineEdit::textChanged, this, &ItemListBox::findChanged);
    retranslate();
}

void ItemListBox::retranslate() {
    findBox_->setPlaceholderText(tr("查找编号或名字"));
    findBox_->setAccessibleName(tr("查找物品"));
}

void ItemListBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QListWidget::changeEvent(event);
}

void ItemListBox::selectQuietly(int row) {
    const QSignalBlocker quiet(this);
    const QSignalBlocker quietSelection(selectionModel());
    if (row < 0 || row >= count()) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        viewport()->update();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
    viewport()->update();
}

bool ItemListBox::findOpen() const {
    return !findBox_->isHidden();
}

void ItemListBox::openFind() {
    if (!findOpen()) {
        findBox_->show();
        placeFindBox();
    }
    findBox_->setFocus(Qt::ShortcutFocusReason);
    findBox_->selectAll();
}

void ItemListBox::closeFind(bool announce) {
    if (!findOpen())
        return;
    const bool hadFocus = findBox_->hasFocus();
    {
        const QSignalBlocker quiet(findBox_);
        findBox_->clear();
    }
    findBox_->hide();
    placeFindBox();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    if (announce)
        emit findChanged(QString());
}

// The rows start below the box while it is open.
void ItemListBox::placeFindBox() {
    const int height = findOpen() ? findBox_->sizeHint().height() : 0;
    setViewportMargins(0, height, 0, 0);
    const QRect inside = contentsRect();
    findBox_->setGeometry(inside.left(), inside.top(), inside.width(), height);
}

void ItemListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    placeFindBox();
}

// Esc closes the find box; Down and Enter go on to the rows it left.
bool ItemListBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            closeFind();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QListWidget::eventFilter(watched, event);
}

bool ItemListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTipOf_) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = index.isValid() ? toolTipOf_(index.row()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QListWidget::viewportEvent(event);
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
