#pragma once

#include <functional>

class QWidget;

namespace wed {

// What a text box's menu asks of the editor's history.
struct HistoryMoves {
    std::function<bool()> canUndo;
    std::function<bool()> canRedo;
    std::function<void()> undo;
    std::function<void()> redo;
};

// Gives every text box under `window` (line boxes, the edit parts of choice boxes, plain text
// boxes) Qt's standard context menu with the history's undo and redo in place of the box's
// own: the box's undo would put back an older text, which the editor writes as a new edit.
void useHistoryInTextMenus(QWidget* window, HistoryMoves moves);

} // namespace wed
