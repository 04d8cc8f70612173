#include "window/editor_keys.h"

#include <QKeyEvent>

namespace wed {

const std::vector<EditorKey>& editorKeys() {
    static const std::vector<EditorKey> keys{
        {EditorAction::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {EditorAction::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        // Qt's own key set on Linux has no Ctrl+Y for redo; users of Windows expect it.
        {EditorAction::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {EditorAction::History, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {EditorAction::Help, QKeySequence(Qt::Key_F1)},
        {EditorAction::Problems, QKeySequence(Qt::Key_F7)},
    };
    return keys;
}

std::optional<EditorAction> historyAction(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    for (const EditorKey& key : editorKeys())
        if ((key.action == EditorAction::Undo || key.action == EditorAction::Redo) &&
            key.keys == pressed)
            return key.action;
    return std::nullopt;
}

QString helpText() {
    return QStringLiteral("编辑器增加的快捷键：\n\n"
                          "Ctrl+Z\t撤销上一次修改（焦点在任何位置都有效）\n"
                          "Ctrl+Shift+Z 或 Ctrl+Y\t重做\n"
                          "Ctrl+H\t修改记录：点击其中一步，撤销或重做到那一步\n"
                          "F7\t检查游戏文件夹：列出发现的问题，双击一个问题显示它的物品\n"
                          "F1\t显示本帮助");
}

} // namespace wed
