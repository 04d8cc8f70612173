// The menu bar and what the window marks: every added action in the menus with its keys, the
// client area where it always was, and the marks of a comparison and of the check, following
// edits and their undo.
#include "keys_fixture.h"
#include "window/editor_keys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace wed::test {
namespace {

using MenuMarks = KeysFixture;

TEST_F(MenuMarks, TheMenuBarHoldsEveryActionAboveTheClientAreaOfOld) {
    QStringList menus, entries;
    for (QAction* menu : form.menuBar()->actions()) {
        menus << menu->text();
        for (QAction* entry : menu->menu()->actions())
            entries << entry->text() + u'\t' + entry->shortcut().toString();
    }
    EXPECT_EQ(menus, (QStringList{"文件", "编辑", "物品", "工具", "帮助"}));
    for (const EditorKey& key : editorKeys())
        EXPECT_TRUE(entries.contains(shownText(key) + u'\t' +
                                     (key.keys.empty() ? QString() : key.keys.front().toString())))
            << key.text;
    const QRect client = form.clientArea()->geometry();
    EXPECT_EQ(client, QRect(0, form.menuBar()->height(), 750, 645));
    EXPECT_EQ(form.size(), QSize(750, 645 + form.menuBar()->height()));
    EXPECT_EQ(form.findChild<QWidget*>("Frame3")->geometry(), QRect(168, 64, 385, 577));

    // Delete in a text box deletes text; in the item list, and from the menu, it removes the
    // item selected.
    clickItem(1);
    retype(form.textBox("Text5"), QStringLiteral("5"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Delete);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(form.itemList()->count(), 2);
    QAction* remove = nullptr;
    for (QAction* menu : form.menuBar()->actions())
        for (QAction* entry : menu->menu()->actions())
            if (entry->text() == shownText(editorKey(EditorAction::RemoveItem)))
                remove = entry;
    ASSERT_NE(remove, nullptr);
    remove->trigger();
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(listed(), QStringList{"gun"});
}

TEST_F(MenuMarks, MarksOfTheBaseAndOfTheCheckFollowEditsAndUndo) {
    TempGame base;
    for (const QString file : {"weapon.cfg", "Text/Weapon.txt"})
        base.writeFile(file, game.readFile(file));
    ASSERT_TRUE(form.compareWith(base.folder()).done());
    clickItem(0);
    QLineEdit* price = form.textBox("Text5");
    EXPECT_TRUE(price->accessibleDescription().isEmpty());
    retype(price, QStringLiteral("1O"));
    EXPECT_EQ(form.itemList()->item(0)->data(Qt::AccessibleDescriptionRole), "已修改");
    EXPECT_TRUE(price->accessibleDescription().startsWith(QStringLiteral("原版：700\n")));
    EXPECT_TRUE(price->accessibleDescription().contains(QStringLiteral("必须是数字")));
    EXPECT_TRUE(price->toolTip().startsWith(QStringLiteral("原版：700\n")));
    EXPECT_EQ(form.textBox("Text15")->toolTip(), QStringLiteral("减一为大图")) << "help first";
    EXPECT_TRUE(price->styleSheet().contains("background") &&
                price->styleSheet().contains("border"));
    retype(price, QStringLiteral("10"));
    EXPECT_FALSE(price->styleSheet().contains("border")) << "a number again";
    focus(form.itemList());
    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(price->text(), QStringLiteral("700"));
    EXPECT_TRUE(price->accessibleDescription().isEmpty());
    EXPECT_EQ(form.itemList()->item(0)->data(Qt::AccessibleDescriptionRole).toString(), QString());

    messages.answers.push_back(QStringLiteral("gun2"));
    focus(form.itemList());
    press(Qt::Key_Insert);
    EXPECT_EQ(form.itemList()->item(1)->data(Qt::AccessibleDescriptionRole), "新增");
}

} // namespace
} // namespace wed::test
