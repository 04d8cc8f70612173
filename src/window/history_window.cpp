#include "window/history_window.h"

#include "app/document.h"
#include "window/editor_keys.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QVBoxLayout>

namespace wed {

HistoryWindow::HistoryWindow(Document& document, QWidget* parent)
    : QWidget(parent, Qt::Tool), document_(document), model_(document) {
    setObjectName(QStringLiteral("HistoryWindow"));
    view_ = new QListView(this);
    view_->setModel(&model_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(420, 320);
    connect(&model_, &HistoryModel::currentChanged, this, &HistoryWindow::showCurrent);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& row) { chosen(row.row()); });
    bindEditorKeys(this, {EditorAction::Undo, EditorAction::Redo}, [this](EditorAction action) {
        emit moved(action == EditorAction::Undo ? document_.undo() : document_.redo());
    });
    retranslate();
    showCurrent();
}

// Every text of the window, in the interface's language; again when it changes. The steps
// keep the words they were made with.
void HistoryWindow::retranslate() {
    setWindowTitle(tr("修改记录"));
    view_->setAccessibleName(tr("修改记录"));
    view_->viewport()->update();
}

void HistoryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// The view selects the history's position; this moves nothing.
void HistoryWindow::showCurrent() {
    const bool was = std::exchange(showing_, true);
    const QModelIndex at = model_.index(model_.current());
    view_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    view_->scrollTo(at);
    showing_ = was;
}

void HistoryWindow::chosen(int row) {
    if (showing_ || row < 0 || row == model_.current())
        return;
    const Outcome outcome = document_.moveHistoryTo(row);
    // A refused move leaves the history where it stopped; the selection follows it.
    showCurrent();
    emit moved(outcome);
}

} // namespace wed
