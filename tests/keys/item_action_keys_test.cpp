#include "keys_fixture.h"
#include "window/item_list_box.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>

namespace wed::test {
namespace {

using ItemActionKeys = KeysFixture;

TEST_F(ItemActionKeys, FindBoxFiltersTheListAndEscBringsBackTheItemItHid) {
    clickItem(0);
    focus(form.itemList());
    press(Qt::CTRL | Qt::Key_F);
    auto* list = static_cast<ItemListBox*>(form.itemList());
    ASSERT_TRUE(list->findOpen());
    EXPECT_EQ(QApplication::focusWidget(), list->findBox());
    EXPECT_EQ(list->geometry(), QRect(8, 67, 153, 568)) << "the layout does not move";
    type(QStringLiteral("RIF"));
    EXPECT_EQ(listed(), QStringList{"rifle"});
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("无")) << "the item shown was hidden";
    press(Qt::Key_Escape);
    EXPECT_FALSE(list->findOpen());
    EXPECT_EQ(listed(), (QStringList{"gun", "rifle"}));
    EXPECT_EQ(form.itemList()->currentRow(), 0);
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("700"));
}

// Insert, F2 and Delete act only while the list has the focus; each is one step to undo.
TEST_F(ItemActionKeys, ItemKeysActInTheListOnlyAndEachIsUndone) {
    const QByteArray original = items();
    clickItem(0);
    messages.answers = {QStringLiteral("gun2"), QStringLiteral("gun3")};
    focus(form.textBox("Text5"));
    press(Qt::Key_Insert);
    EXPECT_EQ(messages.answers.size(), 2u) << "no question from a text box";

    focus(form.itemList());
    press(Qt::Key_Insert);
    EXPECT_EQ(listed(), (QStringList{"gun", "gun2", "rifle"}));
    EXPECT_EQ(form.itemList()->currentRow(), 1);
    press(Qt::Key_F2);
    EXPECT_EQ(listed(), (QStringList{"gun", "gun3", "rifle"}));
    press(Qt::Key_Delete);
    ASSERT_EQ(messages.questions.size(), 1);
    EXPECT_TRUE(messages.questions[0].contains(QStringLiteral("gun3")));
    EXPECT_EQ(listed(), (QStringList{"gun", "rifle"}));
    for (int i = 0; i < 3; ++i)
        press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(items(), original);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    QStringList menu;
    for (QAction* action : form.itemList()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{QStringLiteral("复制为新物品…"), QStringLiteral("删除物品…"),
                                 QStringLiteral("重命名…"),
                                 QStringLiteral("编辑名字和说明…\tCtrl+Shift+E")}));
}

TEST_F(ItemActionKeys, NamesEditorOpensFromATextBoxOnTheItemShown) {
    clickItem(0);
    focus(form.textBox("Text5"));
    messages.nameAnswers.push_back({QStringLiteral("长枪"), {QStringLiteral("很长")}});
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    ASSERT_EQ(messages.shownNames.size(), 1u);
    EXPECT_EQ(messages.shownNames[0].name, QStringLiteral("机关枪"));
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("长枪"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QStringLiteral("很长\n"));
}

} // namespace
} // namespace wed::test
