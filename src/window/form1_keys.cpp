// The keys the editor adds: undo and redo wherever the focus is, the history window, help,
// find, and the item actions of the item list and its context menu.
#include "window/editor_keys.h"
#include "window/form1.h"
#include "window/history_window.h"
#include "window/item_list_box.h"
#include "window/problem_window.h"
#include "window/qt_chinese.h"
#include "window/table_window.h"
#include "window/text_box_menus.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace wed {
void Form1::run(EditorAction action) {
    switch (action) {
    case EditorAction::Undo:
        return undo();
    case EditorAction::Redo:
        return redo();
    case EditorAction::History:
        return showHistory();
    case EditorAction::Help:
        return showHelp();
    case EditorAction::Find:
        return list_->box()->openFind();
    case EditorAction::EditNames:
        return editNames();
    case EditorAction::Table:
        openTable();
        return;
    case EditorAction::CopyItem:
        return copyItem();
    case EditorAction::RemoveItem:
        return removeItem();
    case EditorAction::RenameItem:
        return renameItem();
    case EditorAction::Problems:
        return showProblems();
    case EditorAction::OpenFolder:
        return askGameFolder();
    case EditorAction::Compare:
        return askBaseFolder();
    case EditorAction::ExportPatch:
        return exportPatch();
    case EditorAction::ApplyPatch:
        return applyPatch();
    case EditorAction::ComparisonWindow:
        return showComparison();
    case EditorAction::About:
        return showAbout();
    case EditorAction::Language:
        return switchLanguage();
    }
}

void Form1::installKeys() {
    for (const EditorKey& key : editorKeys()) {
        if (!key.itemListOnly)
            continue;
        // Acts only while the item list has the focus; also in its context menu.
        auto* action = new QAction(list_->box());
        action->setData(int(key.action));
        action->setShortcuts(QList<QKeySequence>(key.keys.begin(), key.keys.end()));
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, a = key.action] { run(a); });
        list_->box()->addAction(action);
    }
    // The menu shows the names editor's keys too, which work in the whole window.
    auto* names = new QAction(list_->box());
    names->setData(int(EditorAction::EditNames));
    connect(names, &QAction::triggered, this, &Form1::editNames);
    list_->box()->addAction(names);
    list_->box()->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Text boxes claim some of the window's keys for themselves (their own undo, for one); the
    // document's actions replace them.
    for (QWidget* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QWidget* box : findChildren<QPlainTextEdit*>())
        box->installEventFilter(this);
    // An editable choice box hands the keys to its line box itself, past that box's filter.
    for (QWidget* box : findChildren<QComboBox*>())
        box->installEventFilter(this);
    // Their context menus likewise: undo and redo there are the history's.
    useHistoryInTextMenus(this, {[this] { return document_.history().canUndo(); },
                                 [this] { return document_.history().canRedo(); },
                                 [this] { undo(); }, [this] { redo(); }});
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        windowAction(*static_cast<QKeyEvent*>(event))) {
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

TableWindow* Form1::openTable() {
    const Category* chosen = category();
    if (!chosen || !document_.isOpen())
        return nullptr;
    TableWindow*& table = tables_[size_t(chosen->id)];
    if (!table) {
        table = new TableWindow(document_, chosen->id, *prompts_, this);
        connect(table, &TableWindow::outcome, this, &Form1::report);
    }
    table->show();
    table->raise();
    table->activateWindow();
    return table;
}

// Checks the folder of the file the document holds and lists what it found; a problem that
// belongs to an item shows that item.
void Form1::showProblems() {
    if (!document_.isOpen())
        return report(Outcome::of(Status::NoFileChosen));
    if (!problems_) {
        problems_ = new ProblemWindow(this);
        connect(problems_, &ProblemWindow::itemRequested, this, [this](const ItemRef& item) {
            showPlace({item, -1, {}});
        });
    }
    problems_->setProblems(checkGame(document_.game()));
    problems_->show();
    problems_->raise();
    problems_->activateWindow();
}

void Form1::showHelp() {
    message(helpText(), tr("帮助"));
}

} // namespace wed
