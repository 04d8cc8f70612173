#include "window/editor_keys.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace wed {

const std::vector<EditorKey>& editorKeys() {
    static const std::vector<EditorKey> keys{
        {EditorAction::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {EditorAction::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        // Qt's own key set on Linux has no Ctrl+Y for redo; users of Windows expect it.
        {EditorAction::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {EditorAction::History, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {EditorAction::Help, QKeySequence(Qt::Key_F1)},
        {EditorAction::Find, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {EditorAction::EditNames, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
        {EditorAction::Table, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {EditorAction::CopyItem, QKeySequence(Qt::Key_Insert), true},
        {EditorAction::RemoveItem, QKeySequence(Qt::Key_Delete), true},
        {EditorAction::RenameItem, QKeySequence(Qt::Key_F2), true},
        {EditorAction::Problems, QKeySequence(Qt::Key_F7)},
    };
    return keys;
}

void bindEditorKeys(QWidget* window, std::initializer_list<EditorAction> only,
                    const std::function<void(EditorAction)>& run) {
    for (const EditorKey& key : editorKeys()) {
        if (key.itemListOnly ||
            (only.size() > 0 && std::find(only.begin(), only.end(), key.action) == only.end()))
            continue;
        auto* shortcut = new QShortcut(key.keys, window);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [run, action = key.action] { run(action); });
    }
}

std::optional<EditorAction> windowAction(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    for (const EditorKey& key : editorKeys())
        if (!key.itemListOnly && key.keys == pressed)
            return key.action;
    return std::nullopt;
}

QString helpText() {
    return QStringLiteral("编辑器增加的快捷键：\n\n"
                          "Ctrl+Z\t撤销上一次修改（焦点在任何位置都有效）\n"
                          "Ctrl+Shift+Z 或 Ctrl+Y\t重做\n"
                          "Ctrl+H\t修改记录：点击其中一步，撤销或重做到那一步\n"
                          "Ctrl+F\t在物品列表上方查找编号或名字；Esc 关闭并恢复整个列表\n"
                          "Ctrl+Shift+E\t编辑所显示物品的名字和说明\n"
                          "Ctrl+T\t打开当前类别的表格\n\n"
                          "焦点在物品列表中时（也可在列表的右键菜单中选择）：\n"
                          "Insert\t复制为新物品\n"
                          "Delete\t删除物品\n"
                          "F2\t重命名\n\n"
                          "F7\t检查游戏文件夹：列出发现的问题，双击一个问题显示它的物品\n"
                          "F1\t显示本帮助");
}

} // namespace wed
