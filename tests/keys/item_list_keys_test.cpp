#include "keys_fixture.h"
#include "window/editor_actions.h"
#include "window/item_list_box.h"
#include "window/problem_window.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <tuple>

namespace wed::test {
namespace {

using ItemActionKeys = KeysFixture;
using ItemListKeys = KeysFixture;
using ProblemKeys = KeysFixture;

TEST_F(ItemActionKeys, FindBoxFiltersTheListAndEscBringsBackTheItemItHid) {
    clickItem(0);
    focus(form.itemList());
    press(Qt::CTRL | Qt::Key_F);
    auto* list = static_cast<ItemListBox*>(form.itemList());
    ASSERT_TRUE(list->findOpen());
    EXPECT_EQ(QApplication::focusWidget(), list->findBox());
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

// Tab from the category box into the list: the focus arrives with nothing selected and nothing
// shown; the first key that moves selects a row and shows its item.
TEST_F(ItemListKeys, TabIntoTheListShowsNothingUntilAKeyChoosesARow) {
    // A key, or a text typed instead, and the row it chooses.
    const std::tuple<QKeyCombination, QString, int> cases[] = {
        {Qt::Key_Down, {}, 0},
        {Qt::Key_Home, {}, 0},
        {Qt::Key_PageDown, {}, 0},
        {Qt::Key_unknown, QStringLiteral("r"), 1}};
    QListWidget* list = form.itemList();
    EXPECT_EQ(form.textOf("Text5"), QString()) << "nothing shown yet";
    for (const auto& [key, text, row] : cases) {
        clickItemFile(); // a fresh list, nothing shown
        focus(form.categoryBox());
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(form.items().shownEntry(), -1);
        if (text.isEmpty())
            press(key);
        else
            type(text);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->row(list->selectedItems().front()), row);
        EXPECT_EQ(form.items().shownEntry(), row);
        EXPECT_EQ(form.textOf("Text5"), row == 0 ? "700" : "50");
    }
}

// F7 lists the folder's problems; Enter on one that belongs to an item shows that item, in its
// category, as a click on its row would.
TEST_F(ProblemKeys, F7ListsTheProblemsAndEnterShowsTheItemOfOne) {
    focus(form.itemList());
    press(Qt::Key_F7);
    ProblemWindow* problems = form.actions().problemWindow();
    ASSERT_TRUE(problems && problems->isVisible());
    QListWidget* list = problems->list();
    const QList<QListWidgetItem*> vest =
        list->findItems(QStringLiteral("weapon.cfg:11: 物品“vest”"), Qt::MatchStartsWith);
    ASSERT_EQ(vest.size(), 1);
    problems->activateWindow();
    list->setCurrentItem(vest.front());
    focus(list);
    press(Qt::Key_Return);
    EXPECT_EQ(form.categoryBox()->currentText(), QStringLiteral("装甲"));
    EXPECT_EQ(listed(), QStringList{"vest"});
    EXPECT_EQ(form.itemList()->currentRow(), 0);
    EXPECT_EQ(form.textOf("Text20"), QStringLiteral("80"));
}

} // namespace
} // namespace wed::test
