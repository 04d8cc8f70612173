#pragma once

#include <QKeySequence>
#include <QString>
#include <optional>
#include <vector>

class QKeyEvent;

namespace wed {

// The actions the editor adds to the window, each on its own keys.
enum class EditorAction { Undo, Redo, History, Help, Problems };

struct EditorKey {
    EditorAction action;
    QKeySequence keys;
};

// Every key of every action; an action may have several (redo: Ctrl+Shift+Z and Ctrl+Y).
const std::vector<EditorKey>& editorKeys();

// The undo or redo action a key press asks for, if any. Text boxes take these keys for their
// own undo; the window takes them back for the document's.
std::optional<EditorAction> historyAction(const QKeyEvent& event);

// The help box's text: every key the editor adds, with what it does.
QString helpText();

} // namespace wed
