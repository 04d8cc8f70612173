#include "window/history_window.h"

#include "app/document.h"
#include "window/editor_keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QUndoView>
#include <QVBoxLayout>

namespace wed {

HistoryWindow::HistoryWindow(Document& document, QWidget* parent)
    : QWidget(parent, Qt::Tool), document_(document) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("修改记录"));
    view_ = new QUndoView(&document.history(), this);
    view_->setEmptyLabel(QStringLiteral("打开文件时"));
    view_->setAccessibleName(QStringLiteral("修改记录"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(420, 320);
    // The view would move the history itself, writing nothing and trusting every step; the
    // user's clicks and keys go to the document instead, and the view follows the history.
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    // Undo and redo work here as in the main window.
    for (const EditorKey& key : editorKeys()) {
        if (key.action != EditorAction::Undo && key.action != EditorAction::Redo)
            continue;
        connect(new QShortcut(key.keys, this), &QShortcut::activated, this,
                [this, undo = key.action == EditorAction::Undo] {
                    emit moved(undo ? document_.undo() : document_.redo());
                });
    }
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove ||
         event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view_->indexAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress && index.isValid())
            moveTo(index.row());
        return true;
    }
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int at = document_.history().index();
        const int last = document_.history().count();
        const int page = 10;
        int target = -1;
        switch (key) {
        case Qt::Key_Up:
            target = at - 1;
            break;
        case Qt::Key_Down:
            target = at + 1;
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = last;
            break;
        case Qt::Key_PageUp:
            target = at - page;
            break;
        case Qt::Key_PageDown:
            target = at + page;
            break;
        default:
            return false;
        }
        moveTo(std::clamp(target, 0, last));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::moveTo(int index) {
    emit moved(document_.moveHistoryTo(index));
}

} // namespace wed
