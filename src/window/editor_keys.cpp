#include "window/editor_keys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace wed {
namespace {

struct HelpWords {
    Q_DECLARE_TR_FUNCTIONS(HelpWords)
};

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

const char* const kMenus[] = {
    QT_TRANSLATE_NOOP("EditorKey", "文件"), QT_TRANSLATE_NOOP("EditorKey", "编辑"),
    QT_TRANSLATE_NOOP("EditorKey", "物品"), QT_TRANSLATE_NOOP("EditorKey", "工具"),
    QT_TRANSLATE_NOOP("EditorKey", "帮助")};

QString translated(const char* source) {
    return QCoreApplication::translate("EditorKey", source);
}

// What a modder needs to know to write rules, and where the window shows them.
QString rulesHelp() {
    return HelpWords::tr(
        "规则\n"
        "  文件：游戏文件夹中的 weapon-rules.lua（Lua 5.4）在打开文件夹时读入；"
        "--rules 文件（可写多次）按顺序再读入别的规则文件。规则文件被修改后会自动重新读取，"
        "撤销记录不受影响。\n"
        "  三种规则：column 计算列（表达式或函数）；check 检查（返回 true 表示没有问题，"
        "false 或一段文字表示有问题；key 指出所查的字段，severity = \"warning\" 为警告）；"
        "recipe 配方（按需运行的批量修改）。\n"
        "  物品：item.id、item.ref、item.category、item.name、item.description；"
        "按键名读字段（数字、两个数的表、文字，没有时为 nil）；item:raw(键)、"
        "item.columns[名字]、item.base（原版中的同一物品：--base "
        "或“与原版比较…”给出的文件夹）。配方中用 game:items(模式) "
        "和 game:item(引用)，给字段赋值即是修改。\n"
        "  安全：规则在沙箱中运行，只有 string、table、math、utf8 和安全的基本函数，"
        "不能读写文件，也不能运行程序；每次运行有步数上限，整体有内存上限，"
        "超过即停止并指出规则和行号。\n"
        "  规则出现在：检查游戏文件夹（F7）列出检查的问题和规则文件的错误；"
        "工具 → 规则… 列出计算列、检查、配方和错误，运行配方先预览修改，"
        "应用后是一步撤销；表格（Ctrl+T）显示计算列；命令行的 check、columns、run 和 "
        "rules 也使用规则。\n");
}

} // namespace

const std::vector<EditorKey>& editorKeys() {
    using A = EditorAction;
    static const std::vector<EditorKey> table{
        {A::OpenFolder,
         "文件",
         QT_TRANSLATE_NOOP("EditorKey", "打开游戏文件夹…"),
         {keys(Qt::CTRL | Qt::Key_O)}},
        {A::Compare,
         "文件",
         QT_TRANSLATE_NOOP("EditorKey", "与原版比较…"),
         {keys(Qt::CTRL | Qt::Key_D)}},
        {A::ExportPatch, "文件", QT_TRANSLATE_NOOP("EditorKey", "导出补丁…"), {}},
        {A::ApplyPatch, "文件", QT_TRANSLATE_NOOP("EditorKey", "应用补丁…"), {}},
        {A::MergeMods,
         "文件",
         QT_TRANSLATE_NOOP("EditorKey", "合并模组…"),
         {keys(Qt::CTRL | Qt::Key_M)}},
        {A::Undo, "编辑", QT_TRANSLATE_NOOP("EditorKey", "撤销"), {keys(Qt::CTRL | Qt::Key_Z)}},
        // Qt's own key set on Linux has no Ctrl+Y for redo; users of Windows expect it.
        {A::Redo,
         "编辑",
         QT_TRANSLATE_NOOP("EditorKey", "重做"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), keys(Qt::CTRL | Qt::Key_Y)}},
        {A::History,
         "编辑",
         QT_TRANSLATE_NOOP("EditorKey", "修改记录…"),
         {keys(Qt::CTRL | Qt::Key_H)}},
        {A::Find,
         "编辑",
         QT_TRANSLATE_NOOP("EditorKey", "查找物品…"),
         {keys(Qt::CTRL | Qt::Key_F)}},
        {A::CopyItem,
         "物品",
         QT_TRANSLATE_NOOP("EditorKey", "复制为新物品…"),
         {QKeySequence(Qt::Key_Insert)},
         true},
        {A::RemoveItem,
         "物品",
         QT_TRANSLATE_NOOP("EditorKey", "删除物品…"),
         {QKeySequence(Qt::Key_Delete)},
         true},
        {A::RenameItem,
         "物品",
         QT_TRANSLATE_NOOP("EditorKey", "重命名…"),
         {QKeySequence(Qt::Key_F2)},
         true},
        {A::EditNames,
         "物品",
         QT_TRANSLATE_NOOP("EditorKey", "编辑名字和说明…"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}},
        {A::Table, "工具", QT_TRANSLATE_NOOP("EditorKey", "表格…"), {keys(Qt::CTRL | Qt::Key_T)}},
        {A::Chart, "工具", QT_TRANSLATE_NOOP("EditorKey", "图表…"), {keys(Qt::CTRL | Qt::Key_G)}},
        {A::Problems,
         "工具",
         QT_TRANSLATE_NOOP("EditorKey", "检查游戏文件夹…"),
         {QKeySequence(Qt::Key_F7)}},
        {A::Rules, "工具", QT_TRANSLATE_NOOP("EditorKey", "规则…"), {}},
        {A::ComparisonWindow,
         "工具",
         QT_TRANSLATE_NOOP("EditorKey", "与原版的差异…"),
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}},
        {A::Help, "帮助", QT_TRANSLATE_NOOP("EditorKey", "快捷键…"), {QKeySequence(Qt::Key_F1)}},
        {A::About, "帮助", QT_TRANSLATE_NOOP("EditorKey", "关于…"), {}},
        // Named in both languages, so that a user who reads only one finds it.
        {A::Language, "帮助", QT_TRANSLATE_NOOP("EditorKey", "Language：改用 English"), {}},
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
            QAction* action = menu->addAction(QString::fromUtf8(key.text));
            action->setData(int(key.action));
            action->setShortcuts(QList<QKeySequence>(key.keys.begin(), key.keys.end()));
            // The item list owns these keys; in the menu they only show.
            action->setShortcutContext(key.itemListOnly ? Qt::WidgetShortcut : Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, bar, [run, a = key.action] { run(a); });
        }
    }
}

void retranslateEditorMenus(QMenuBar* bar) {
    const QList<QAction*> menus = bar->actions();
    for (qsizetype i = 0; i < menus.size() && i < qsizetype(std::size(kMenus)); ++i) {
        menus[i]->setText(translated(kMenus[i]));
        if (QMenu* menu = menus[i]->menu())
            for (QAction* action : menu->actions())
                action->setText(shownText(editorKey(EditorAction(action->data().toInt()))));
    }
}

QString shownText(const EditorKey& key) {
    return translated(key.text);
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
    QString text = HelpWords::tr("编辑器增加的操作和快捷键（也都在菜单中）：\n");
    for (const char* name : kMenus) {
        text += u'\n' + translated(name) + u'\n';
        for (const EditorKey& key : editorKeys()) {
            if (qstrcmp(key.menu, name) != 0)
                continue;
            QStringList shown;
            for (const QKeySequence& sequence : key.keys)
                shown.append(sequence.toString(QKeySequence::NativeText));
            QString line = QStringLiteral("  ") + shownText(key);
            if (!shown.isEmpty())
                line += u'\t' + shown.join(HelpWords::tr(" 或 "));
            if (key.itemListOnly)
                line += HelpWords::tr("（焦点在物品列表中时，也在列表的右键菜单中）");
            text += line + u'\n';
        }
    }
    return text + u'\n' + rulesHelp();
}

} // namespace wed
