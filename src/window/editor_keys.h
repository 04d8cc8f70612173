#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace wed {

// The actions the editor adds to the window, each on its own keys.
enum class EditorAction {
    Undo,
    Redo,
    History,
    Help,
    Find,
    EditNames,
    Table,
    Problems,
    CopyItem,
    RemoveItem,
    RenameItem,
};

struct EditorKey {
    EditorAction action;
    QKeySequence keys;
    // The item actions act only while the item list has the focus, so that typing in a field
    // or using the folder lists never triggers them.
    bool itemListOnly = false;
};

// Every key of every action; an action may have several (redo: Ctrl+Shift+Z and Ctrl+Y).
const std::vector<EditorKey>& editorKeys();

// Binds the keys of the window-wide actions (all of them, or those named) in the window, each
// running the action: the one place where a window's keys are made.
void bindEditorKeys(QWidget* window, std::initializer_list<EditorAction> only,
                    const std::function<void(EditorAction)>& run);

// The window-wide action a key press asks for, if any. Text boxes take some of these keys for
// themselves (their own undo, for one); the window takes them back.
std::optional<EditorAction> windowAction(const QKeyEvent& event);

// The help box's text: every key the editor adds, with what it does.
QString helpText();

} // namespace wed
