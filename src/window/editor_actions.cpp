// The editor's menu bar, keys and actions: undo and redo wherever the focus is, the history,
// help, find, the item actions of the item list and its context menu, the folder, comparison
// and patch actions; each asks what it needs and leaves the rest to the document.
#include "window/editor_actions.h"

#include "app/outcome_text.h"
#include "app/program_title.h"
#include "app/shown_words.h"
#include "window/chart_window.h"
#include "window/comparison_window.h"
#include "window/file_actions.h"
#include "window/form1.h"
#include "window/history_window.h"
#include "window/item_commands.h"
#include "window/item_list_box.h"
#include "window/item_list_view.h"
#include "window/mod_list_window.h"
#include "window/problem_window.h"
#include "window/prompts.h"
#include "window/qt_chinese.h"
#include "window/rules_dialog.h"
#include "window/table_window.h"
#include "window/text_box_menus.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>

namespace wed {

EditorActions::EditorActions(Form1& window) : QObject(&window), window_(window) {
    buildMenuBar();
}

void EditorActions::buildMenuBar() {
    menuBar_ = new QMenuBar(&window_);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    // A window of its own on every platform, inside the fixed window.
    menuBar_->setNativeMenuBar(false);
    buildEditorMenus(menuBar_, [this](EditorAction action) { run(action); });
    notice_ = new QLabel(menuBar_);
    notice_->setObjectName(QStringLiteral("Notice"));
    notice_->setContentsMargins(0, 0, 8, 0);
    menuBar_->setCornerWidget(notice_, Qt::TopRightCorner);
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(8000);
    connect(noticeTimer_, &QTimer::timeout, notice_, &QLabel::clear);
    connect(&window_.folderWatch(), &FolderWatch::changedOutside, this,
            &EditorActions::filesChangedOutside);
    connect(&window_.documentRules(), &DocumentRules::changedOnDisk, this,
            &EditorActions::rulesChangedOnDisk);
}

void EditorActions::notice(const QString& text) {
    notice_->setText(text);
    notice_->setAccessibleName(text);
    noticeTimer_->start();
}

// Another program changed the files: read them again and show again what was shown, once no
// dialog of the editor's is open (until then the watch asks again after a while).
void EditorActions::filesChangedOutside() {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(200, this, &EditorActions::filesChangedOutside);
        return;
    }
    const Outcome read = window_.document().reload();
    if (read.refused())
        return window_.report(read);
    notice(tr("文件已被其他程序修改，已重新读取；撤销记录从这里重新开始。"));
}

// The rules were read again; the history stays, as no game file changed. A file that now has
// an error says so, as its checks no longer run.
void EditorActions::rulesChangedOnDisk() {
    const Rules* rules = window_.documentRules().rules();
    notice(rules && !rules->errors().empty()
               ? tr("规则文件已被修改，已重新读取，其中有错误（见“工具 → 规则…”）。")
               : tr("规则文件已被修改，已重新读取。"));
}

// A game folder chosen in a dialog, opened as the command line's folder is.
void EditorActions::askGameFolder() {
    if (const std::optional<QString> folder =
            window_.prompts().askFolder(&window_, shownText(editorKey(EditorAction::OpenFolder))))
        if (const std::optional<WindowRefusal> refusal = window_.openGameFolder(*folder))
            window_.reportRefusal(*refusal);
}

void EditorActions::askBaseFolder() {
    if (const std::optional<QString> folder =
            window_.prompts().askFolder(&window_, shownText(editorKey(EditorAction::Compare))))
        window_.report(window_.compareWith(*folder));
}

void EditorActions::showAbout() {
    window_.message(windowCaption() + QStringLiteral("\n\n") +
                        tr("编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据。\n"
                           "每次修改都立刻原子地写入文件；撤销、比较、补丁和表格见菜单。") +
                        QStringLiteral("\n\n") +
                        tr("本程序是自由软件，按 GNU 通用公共许可证第 3 版或更新版本"
                           "（GPL-3.0-or-later）发布。"),
                    shownText(editorKey(EditorAction::About)));
}

void EditorActions::run(EditorAction action) {
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
        return window_.items().box()->openFind();
    case EditorAction::EditNames:
        return editNames();
    case EditorAction::Table:
        openTable();
        return;
    case EditorAction::Chart:
        if (const Category* chosen = window_.category())
            openChart(chosen->id);
        return;
    case EditorAction::CopyItem:
        return copyItem();
    case EditorAction::RemoveItem:
        return removeItem();
    case EditorAction::RenameItem:
        return renameItem();
    case EditorAction::Problems:
        return showProblems();
    case EditorAction::Rules:
        return showRules();
    case EditorAction::OpenFolder:
        return askGameFolder();
    case EditorAction::Compare:
        return askBaseFolder();
    case EditorAction::ExportPatch:
        return exportPatch();
    case EditorAction::ApplyPatch:
        return applyPatch();
    case EditorAction::MergeMods:
        showMerge();
        return;
    case EditorAction::ComparisonWindow:
        return showComparison();
    case EditorAction::About:
        return showAbout();
    case EditorAction::Language:
        return switchLanguage();
    }
}

void EditorActions::installKeys() {
    for (const EditorKey& key : editorKeys()) {
        if (!key.itemListOnly)
            continue;
        // Acts only while the item list has the focus; also in its context menu.
        auto* action = new QAction(window_.items().box());
        action->setData(int(key.action));
        action->setShortcuts(QList<QKeySequence>(key.keys.begin(), key.keys.end()));
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, a = key.action] { run(a); });
        window_.items().box()->addAction(action);
    }
    // The menu shows the names editor's keys too, which work in the whole window.
    auto* names = new QAction(window_.items().box());
    names->setData(int(EditorAction::EditNames));
    connect(names, &QAction::triggered, this, &EditorActions::editNames);
    window_.items().box()->addAction(names);
    window_.items().box()->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Text boxes claim some of the window's keys for themselves (their own undo, for one); the
    // document's actions replace them.
    for (QWidget* box : window_.findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QWidget* box : window_.findChildren<QPlainTextEdit*>())
        box->installEventFilter(this);
    // An editable choice box hands the keys to its line box itself, past that box's filter.
    for (QWidget* box : window_.findChildren<QComboBox*>())
        box->installEventFilter(this);
    // Their context menus likewise: undo and redo there are the history's.
    useHistoryInTextMenus(&window_, {[this] { return window_.document().history().canUndo(); },
                                     [this] { return window_.document().history().canRedo(); },
                                     [this] { undo(); }, [this] { redo(); }});
}

bool EditorActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        windowAction(*static_cast<QKeyEvent*>(event))) {
        // Not taken by the box: the window's shortcut runs.
        event->ignore();
        return true;
    }
    // Typing that leaves a field ends its step: the next keystroke there starts a new one.
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        window_.document().endTyping();
    return QObject::eventFilter(watched, event);
}

void EditorActions::undo() {
    window_.report(window_.document().undo());
}

void EditorActions::redo() {
    window_.report(window_.document().redo());
}

HistoryWindow* EditorActions::historyWindow() {
    if (!history_) {
        history_ = new HistoryWindow(window_.document(), &window_);
        connect(history_, &HistoryWindow::moved, &window_, &Form1::report);
    }
    return history_;
}

void EditorActions::showHistory() {
    HistoryWindow* window = historyWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

TableWindow* EditorActions::openTable() {
    const Category* chosen = window_.category();
    if (!chosen || !window_.document().isOpen())
        return nullptr;
    TableWindow*& table = tables_[size_t(chosen->id)];
    if (!table) {
        table = new TableWindow(window_.document(), chosen->id, window_.prompts(), &window_);
        table->setComparison(&window_.comparison());
        // The computed columns of the rules as read now, and again whenever they are read.
        DocumentRules& rules = window_.documentRules();
        table->setRules(rules.rules());
        connect(&rules, &DocumentRules::reread, table,
                [table, &rules] { table->setRules(rules.rules()); });
        connect(table, &TableWindow::outcome, &window_, &Form1::report);
        connect(table, &TableWindow::refused, &window_, &Form1::reportRefusal);
        connect(
            table, &TableWindow::chartRequested, this,
            [this, category = chosen->id](int x, int y) { openChart(category, std::pair(x, y)); });
        linkChartToTable(chosen->id);
    }
    table->show();
    table->raise();
    table->activateWindow();
    return table;
}

ChartWindow* EditorActions::openChart(CategoryId category,
                                      std::optional<std::pair<int, int>> axes) {
    if (!window_.document().isOpen())
        return nullptr;
    ChartWindow*& chart = charts_[size_t(category)];
    if (!chart) {
        chart = new ChartWindow(window_.document(), category, window_.prompts(), &window_);
        connect(chart, &ChartWindow::outcome, &window_, &Form1::report);
        connect(chart, &ChartWindow::itemRequested, this, &EditorActions::showChartItem);
        chart->setComparison(&window_.comparison());
        DocumentRules& rules = window_.documentRules();
        chart->setRules(rules.rules());
        connect(&rules, &DocumentRules::reread, chart,
                [chart, &rules] { chart->setRules(rules.rules()); });
        chart->setCheck([this, &rules] {
            return checkGame(window_.document().game(), rules.rules(), rules.base());
        });
        // The item the main window shows, highlighted.
        connect(&window_.items(), &ItemListView::shownChanged, chart,
                [this, chart] { chart->setHighlighted(shownItem()); });
        chart->setHighlighted(shownItem());
        linkChartToTable(category);
    }
    if (axes)
        chart->setAxes(axes->first, axes->second);
    chart->show();
    chart->raise();
    chart->activateWindow();
    return chart;
}

std::optional<ItemRef> EditorActions::shownItem() const {
    const int entry = window_.items().shownEntry();
    if (entry < 0)
        return std::nullopt;
    return window_.items().itemOf(entry);
}

// The table's find text applies to the chart of its category.
void EditorActions::linkChartToTable(CategoryId category) {
    TableWindow* table = tables_[size_t(category)];
    ChartWindow* chart = charts_[size_t(category)];
    if (!table || !chart)
        return;
    connect(table->findBox(), &QLineEdit::textChanged, chart, &ChartWindow::setFind);
    chart->setFind(table->findBox()->text());
}

// The item of a point: shown in the main window, and its row chosen in the table when open.
void EditorActions::showChartItem(const ItemRef& item) {
    window_.showPlace({item, -1, {}});
    TableWindow* table = tables_[size_t(item.category)];
    if (!table || !table->isVisible())
        return;
    const CategoryTable& rows = table->rows().table();
    for (int row = 0; row < rows.rowCount(); ++row)
        if (rows.item(row) == item) {
            const QModelIndex shown = table->rows().mapFromSource(rows.index(row, 0));
            if (shown.isValid())
                table->view()->selectionModel()->setCurrentIndex(
                    shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return;
        }
}

// Checks the folder of the file the document holds and lists what it found; a problem that
// belongs to an item shows that item.
void EditorActions::showProblems() {
    if (!window_.document().isOpen())
        return window_.reportRefusal(WindowRefusal{WindowStatus::NoFileChosen, {}});
    if (!problems_) {
        problems_ = new ProblemWindow(&window_);
        connect(problems_, &ProblemWindow::itemRequested, this, [this](const ItemRef& item) {
            window_.showPlace({item, -1, {}});
        });
    }
    DocumentRules& rules = window_.documentRules();
    problems_->setProblems(checkGame(window_.document().game(), rules.rules(), rules.base()),
                           rules.rules() ? rules.rules()->errors() : std::vector<RuleError>{});
    problems_->show();
    problems_->raise();
    problems_->activateWindow();
}

void EditorActions::showRules() {
    if (!rules_) {
        rules_ = new RulesDialog(window_.document(), window_.documentRules(), window_.prompts(),
                                 &window_);
        connect(rules_, &RulesDialog::outcome, &window_, &Form1::report);
        connect(rules_, &RulesDialog::refused, &window_, &Form1::reportRefusal);
    }
    rules_->show();
    rules_->raise();
    rules_->activateWindow();
}

void EditorActions::showHelp() {
    window_.message(helpText(), tr("帮助"));
}

void EditorActions::copyItem() {
    ItemCommands(window_).copy();
}

void EditorActions::renameItem() {
    ItemCommands(window_).rename();
}

void EditorActions::removeItem() {
    ItemCommands(window_).remove();
}

void EditorActions::editNames() {
    ItemCommands(window_).editNames();
}

// A patch needs a base to be the folder's changes against.
void EditorActions::exportPatch() {
    if (!window_.comparison().active())
        return window_.reportRefusal(WindowRefusal{WindowStatus::NoBaseFolder, {}});
    window_.report(exportPatchFile(&window_, window_.document().game(), window_.comparison(),
                                   window_.prompts()));
}

void EditorActions::applyPatch() {
    if (!window_.document().isOpen())
        return window_.reportRefusal(WindowRefusal{WindowStatus::NoFileChosen, {}});
    window_.report(applyPatchFile(&window_, window_.document(), window_.prompts()));
}

// The comparison window, opened or raised; without a base, the base is asked for first.
void EditorActions::showComparison() {
    if (!window_.comparison().active()) {
        askBaseFolder();
        if (!window_.comparison().active())
            return;
    }
    if (!comparisonWindow_) {
        comparisonWindow_ =
            new ComparisonWindow(window_.document(), window_.comparison(), &window_);
        connect(comparisonWindow_, &ComparisonWindow::itemRequested, this,
                [this](const ItemRef& item) {
                    window_.showPlace({item, -1, {}});
                });
        connect(comparisonWindow_, &ComparisonWindow::outcome, &window_, &Form1::report);
    }
    comparisonWindow_->show();
    comparisonWindow_->raise();
    comparisonWindow_->activateWindow();
}

ModListWindow* EditorActions::showMerge() {
    if (!merge_) {
        merge_ = new ModListWindow(window_.document(), window_.prompts(), &window_);
        connect(merge_, &ModListWindow::outcome, &window_, &Form1::report);
        connect(merge_, &ModListWindow::refused, &window_, &Form1::reportRefusal);
        if (window_.document().isOpen())
            merge_->setBase(window_.document().game().folder());
    }
    merge_->show();
    merge_->raise();
    merge_->activateWindow();
    return merge_;
}

} // namespace wed
