#include "window/editor_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace wed {
namespace {

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

const char* const kMenus[] = {"文件", "编辑", "物品", "工具", "帮助"};

} // namespace

const std::vector<EditorKey>& editorKeys() {
    using A = EditorAction;
    static const std::vector<EditorKey> table{
        {A::OpenFolder, "文件", QStringLiteral("打开游戏文件夹…"), {keys(Qt::CTRL | Qt::Key_O)}},
        {A::Compare, "文件", QStringLiteral("与原版比较…"), {keys(Qt::CTRL | Qt::Key_D)}},
        {A::ExportPatch, "文件", QStringLiteral("导出补丁…"), {}},
        {A::ApplyPatch, "文件", QStringLiteral("应用补丁…"), {}},
        {A::Undo, "编辑", QStringLiteral("撤销"), {keys(Qt::CTRL | Qt::Key_Z)}},
        // Qt's own key set on Linux has no Ctrl+Y for redo; users of Windows expect it.
        {A::Redo,
         "编辑",
         QStringLiteral("重做"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), keys(Qt::CTRL | Qt::Key_Y)}},
        {A::History, "编辑", QStringLiteral("修改记录…"), {keys(Qt::CTRL | Qt::Key_H)}},
        {A::Find, "编辑", QStringLiteral("查找物品…"), {keys(Qt::CTRL | Qt::Key_F)}},
        {A::CopyItem,
         "物品",
         QStringLiteral("复制为新物品…"),
         {QKeySequence(Qt::Key_Insert)},
         true},
        {A::RemoveItem, "物品", QStringLiteral("删除物品…"), {QKeySequence(Qt::Key_Delete)}, true},
        {A::RenameItem, "物品", QStringLiteral("重命名…"), {QKeySequence(Qt::Key_F2)}, true},
        {A::EditNames,
         "物品",
         QStringLiteral("编辑名字和说明…"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}},
        {A::Table, "工具", QStringLiteral("表格…"), {keys(Qt::CTRL | Qt::Key_T)}},
        {A::Problems, "工具", QStringLiteral("检查游戏文件夹…"), {QKeySequence(Qt::Key_F7)}},
        {A::ComparisonWindow,
         "工具",
         QStringLiteral("与原版的差异…"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}},
        {A::Help, "帮助", QStringLiteral("快捷键…"), {QKeySequence(Qt::Key_F1)}},
        {A::About, "帮助", QStringLiteral("关于…"), {}},
    };
    return table;
}

const EditorKey& editorKey(EditorAction action) {
    const auto& table = editorKeys();
    return *std::find_if(table.begin(), table.end(),
                         [action](const EditorKey& key) { return key.action == action; });
}

void buildEditorMenus(QMenuBar* bar, const std::function<void(EditorAction)>& run) {
    for (const char* name : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(name));
        for (const EditorKey& key : editorKeys()) {
            if (qstrcmp(key.menu, name) != 0)
                continue;
            QAction* action = menu->addAction(key.text);
            action->setShortcuts(QList<QKeySequence>(key.keys.begin(), key.keys.end()));
            // The item list owns these keys; in the menu they only show.
            action->setShortcutContext(key.itemListOnly ? Qt::WidgetShortcut : Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, bar, [run, a = key.action] { run(a); });
        }
    }
}

void bindEditorKeys(QWidget* window, std::initializer_list<EditorAction> only,
                    const std::function<void(EditorAction)>& run) {
    for (EditorAction action : only)
        for (const QKeySequence& sequence : editorKey(action).keys) {
            auto* shortcut = new QShortcut(sequence, window);
            QObject::connect(shortcut, &QShortcut::activated, window,
                             [run, action] { run(action); });
        }
}

std::optional<EditorAction> windowAction(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    for (const EditorKey& key : editorKeys())
        if (!key.itemListOnly &&
            std::find(key.keys.begin(), key.keys.end(), pressed) != key.keys.end())
            return key.action;
    return std::nullopt;
}

QString helpText() {
    QString text = QStringLiteral("编辑器增加的操作和快捷键（也都在菜单中）：\n");
    for (const char* name : kMenus) {
        text += u'\n' + QString::fromUtf8(name) + u'\n';
        for (const EditorKey& key : editorKeys()) {
            if (qstrcmp(key.menu, name) != 0)
                continue;
            QStringList shown;
            for (const QKeySequence& sequence : key.keys)
                shown.append(sequence.toString(QKeySequence::NativeText));
            QString line = QStringLiteral("  ") + key.text;
            if (!shown.isEmpty())
                line += u'\t' + shown.join(QStringLiteral(" 或 "));
            if (key.itemListOnly)
                line += QStringLiteral("（焦点在物品列表中时，也在列表的右键菜单中）");
            text += line + u'\n';
        }
    }
    return text;
}

} // namespace wed
