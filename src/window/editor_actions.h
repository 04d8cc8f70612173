#pragma once

#include "base/category.h"
#include "base/outcome.h"
#include "data/item_ref.h"
#include "window/editor_keys.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>

class QLabel;
class QMenuBar;
class QTimer;

namespace wed {

class ChartWindow;
class ComparisonWindow;
class Form1;
class HistoryWindow;
class ModListWindow;
class ProblemWindow;
class RulesDialog;
class TableWindow;

// What the editor adds to the window: its menu bar with a corner for notes, its keys (undo
// and redo wherever the focus is, the item list's actions and context menu) and the actions
// they run, each on the window's document and list, with its windows and dialogs.
class EditorActions : public QObject {
    Q_OBJECT
  public:
    explicit EditorActions(Form1& window);

    QMenuBar* menuBar() const { return menuBar_; }
    // The keys of the item list and the text boxes, once the window has its controls.
    void installKeys();

    void run(EditorAction action);
    void undo();
    void redo();
    void showHistory();
    HistoryWindow* historyWindow();
    void showHelp();
    // The item actions, on the item selected in the list (the names: the item shown first).
    void copyItem();
    void removeItem();
    void renameItem();
    void editNames();
    // The table of the category chosen, opened or raised.
    TableWindow* openTable();
    // The chart of a category, opened or raised; with axes, showing those columns.
    ChartWindow* openChart(CategoryId category, std::optional<std::pair<int, int>> axes = {});
    // The problems of the game folder.
    void showProblems();
    ProblemWindow* problemWindow() const { return problems_; }
    // The rules of the folder, with their recipes to run.
    void showRules();
    RulesDialog* rulesDialog() const { return rules_; }
    void askGameFolder();
    void askBaseFolder();
    void exportPatch();
    void applyPatch();
    void showComparison();
    // The mod list window, opened or raised; its base is the open folder at first.
    ModListWindow* showMerge();
    ModListWindow* mergeWindow() const { return merge_; }
    ComparisonWindow* comparisonWindow() const { return comparisonWindow_; }
    void showAbout();
    // A note in the menu bar's corner that goes by itself, for what needs no answer.
    void notice(const QString& text);
    QLabel* noticeLabel() const { return notice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenuBar();
    void filesChangedOutside();
    void rulesChangedOnDisk();
    void linkChartToTable(CategoryId category);
    void showChartItem(const ItemRef& item);
    std::optional<ItemRef> shownItem() const;

    Form1& window_;
    QMenuBar* menuBar_ = nullptr;
    QLabel* notice_ = nullptr; // the menu bar's corner: what happened, for a while
    QTimer* noticeTimer_ = nullptr;
    HistoryWindow* history_ = nullptr;
    std::array<TableWindow*, 3> tables_{};
    std::array<ChartWindow*, 3> charts_{};
    ProblemWindow* problems_ = nullptr;
    RulesDialog* rules_ = nullptr;
    ComparisonWindow* comparisonWindow_ = nullptr;
    ModListWindow* merge_ = nullptr;
};

} // namespace wed
