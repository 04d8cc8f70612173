#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QMenuBar;
class QWidget;

namespace wed {

// The actions the editor adds to the window.
enum class EditorAction {
    OpenFolder,
    Compare,
    ExportPatch,
    ApplyPatch,
    MergeMods,
    Undo,
    Redo,
    History,
    Find,
    CopyItem,
    RemoveItem,
    RenameItem,
    EditNames,
    Table,
    Chart,
    Problems,
    Rules,
    ComparisonWindow,
    Help,
    About,
    Language,
};

// One action: the menu that holds it, its text there, and its keys (redo has two). The item
// actions act only while the item list has the focus, so that typing in a field (Delete in a
// text box) or using the folder lists never triggers them; the menu shows their keys and acts
// on the list's selection.
struct EditorKey {
    EditorAction action;
    const char* menu;
    const char* text; // in Chinese, the source of shownText
    std::vector<QKeySequence> keys;
    bool itemListOnly = false;
};

// Every action, in the order of the menus: the one table the menu bar, the keys and the help
// are made from.
const std::vector<EditorKey>& editorKeys();
const EditorKey& editorKey(EditorAction action);
// The action's text in the interface's language.
QString shownText(const EditorKey& key);

// The menus "文件", "编辑", "物品", "工具", "帮助", each action running `run`; the window's
// keys are the actions' own. The texts are the Chinese ones, which the window measures its menu
// bar's height with in every language; retranslateEditorMenus gives them the language chosen.
void buildEditorMenus(QMenuBar* bar, const std::function<void(EditorAction)>& run);

// Gives the menus and their entries, as buildEditorMenus made them, the texts of the language
// now chosen.
void retranslateEditorMenus(QMenuBar* bar);

// Binds the keys of the window-wide actions named, in a window without the menu bar.
void bindEditorKeys(QWidget* window, std::initializer_list<EditorAction> only,
                    const std::function<void(EditorAction)>& run);

// The window-wide action a key press asks for, if any. Text boxes take some of these keys for
// themselves (their own undo, for one); the window takes them back.
std::optional<EditorAction> windowAction(const QKeyEvent& event);

// The help box's text: every action with its keys, menu by menu, as the menus show them.
QString helpText();

} // namespace wed
