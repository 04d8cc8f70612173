// The keys the editor adds: undo and redo wherever the focus is, the history window and help.
#include "window/editor_keys.h"
#include "window/form1.h"
#include "window/history_window.h"
#include "window/problem_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace wed {

void Form1::installKeys() {
    for (const EditorKey& key : editorKeys()) {
        auto* shortcut = new QShortcut(key.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, action = key.action] {
            switch (action) {
            case EditorAction::Undo:
                return undo();
            case EditorAction::Redo:
                return redo();
            case EditorAction::History:
                return showHistory();
            case EditorAction::Help:
                return showHelp();
            case EditorAction::Problems:
                return showProblems();
            }
        });
    }
    // Text boxes claim the undo and redo keys for their own undo, which only reaches the box's
    // text; the document's undo replaces it.
    for (QWidget* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QWidget* box : findChildren<QPlainTextEdit*>())
        box->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        historyAction(*static_cast<QKeyEvent*>(event))) {
        // Not taken by the box: the window's shortcut runs.
        event->ignore();
        return true;
    }
    // Typing that leaves a field ends its step: the next keystroke there starts a new one.
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        document_.endTyping();
    return QWidget::eventFilter(watched, event);
}

void Form1::undo() {
    report(document_.undo());
}

void Form1::redo() {
    report(document_.redo());
}

HistoryWindow* Form1::historyWindow() {
    if (!history_) {
        history_ = new HistoryWindow(document_, this);
        connect(history_, &HistoryWindow::moved, this, &Form1::report);
    }
    return history_;
}

void Form1::showHistory() {
    HistoryWindow* window = historyWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

// Checks the folder of the file the document holds and lists what it found; a problem that
// belongs to an item shows that item.
void Form1::showProblems() {
    if (!document_.isOpen())
        return report(Outcome::of(Status::NoFileChosen));
    if (!problems_) {
        problems_ = new ProblemWindow(this);
        connect(problems_, &ProblemWindow::itemRequested, &document_, &Document::showItemAt);
    }
    problems_->setProblems(checkGame(filesOf(document_)));
    problems_->show();
    problems_->raise();
    problems_->activateWindow();
}

void Form1::showHelp() {
    message(helpText(), QStringLiteral("帮助"));
}

} // namespace wed
