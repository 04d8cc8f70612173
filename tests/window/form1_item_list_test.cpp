#include "window/editor_actions.h"
#include "window/form1_fixture.h"

#include "window/item_list_box.h"

#include <QLineEdit>

namespace wed::test {
namespace {

const QStringList kNames{QStringLiteral("1"), QStringLiteral("手枪"), QStringLiteral("一把枪")};

class ItemList : public Form1Fixture {
  protected:
    void load(const QStringList& items) {
        game.writeItems(items);
        game.writeNames(kNames);
        loadGame();
    }
};

TEST_F(ItemList, MissingNameFileGivesEmptyNamesWithANotice) {
    game.writeItems({"Weapon=gun"});
    loadGame();
    EXPECT_EQ(listed(), QStringList({"gun"}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Weapon.txt")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("名字和说明将显示为空")));
    EXPECT_TRUE(form.document().game().names().bytes().isEmpty());
}

// A file that cannot be read changes nothing: the list and both buffers stay as they were.
TEST_F(ItemList, UnreadableFilesKeepThePreviousListAndBuffers) {
    load({"Weapon=gun", "Weapon=rifle"});
    const QByteArray items = form.document().game().items().bytes();
    const QByteArray names = form.document().game().names().bytes();

    // The name file turned into a folder, then weapon.cfg gone.
    QFile::remove(game.path("Text/Weapon.txt"));
    game.makeFolder("Text/Weapon.txt");
    clickItemFile();
    QFile::remove(game.path("weapon.cfg"));
    clickItemFile();
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Weapon.txt”是一个文件夹")));
    EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("找不到文件")));
    for (const QString& text : messages.texts)
        EXPECT_TRUE(text.endsWith(QStringLiteral("物品列表没有改变。"))) << text.toStdString();
    EXPECT_EQ(listed(), QStringList({"gun", "rifle"}));
    EXPECT_EQ(form.document().game().items().bytes(), items);
    EXPECT_EQ(form.document().game().names().bytes(), names);
}

TEST_F(ItemList, RebuildingTheListDoesNotSelectAnItemButClickingOneDoes) {
    load({"Weapon=gun", "Weapon=rifle"});
    EXPECT_EQ(form.gateOpen(), false);
    clickItem(1);
    EXPECT_EQ(form.gateOpen(), true) << "item selection opened the gate";
    form.gate().close();
    QTest::keyClick(form.itemList(), Qt::Key_Up);
    EXPECT_EQ(form.itemList()->currentRow(), 0);
    EXPECT_EQ(form.gateOpen(), true) << "the keyboard selects items too";
}

// The category box switches panels always, and rebuilds the list only with the gate open. A
// typed word that is none of the three keeps the list (with a message); an arrow key picks.
TEST_F(ItemList, CategoryChangeRebuildsTheListOnlyWhenTheGateIsOpen) {
    load({"Weapon=gun", "Armor=vest", "Implant=chip", "Implant=ImplantSkillsCost"});
    auto shown = [&](const char* panel) { return form.findChild<QWidget*>(panel)->isVisible(); };
    chooseCategory(1);
    EXPECT_TRUE(shown("Frame4") && !shown("Frame3"));
    EXPECT_EQ(listed(), QStringList({"gun"}));
    form.gate().open();
    chooseCategory(2);
    EXPECT_TRUE(shown("Frame5") && !shown("Frame4"));
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_EQ(form.gateOpen(), false);
    chooseCategory(0);
    EXPECT_TRUE(shown("Frame3") && !shown("Frame5"));
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_TRUE(messages.texts.isEmpty());

    QComboBox* box = form.categoryBox();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("x"));
    EXPECT_FALSE(shown("Frame4"));
    clickItemFile();
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_EQ(messages.texts.size(), 1);
    box->setEditText(QStringLiteral("武器"));
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), QStringLiteral("装甲"));
    EXPECT_TRUE(shown("Frame4"));
}

// The find filters by id or name, ignoring case, across a rebuild; an undo that must show an
// item it hides clears it first.
TEST_F(ItemList, FindFiltersTheListAndAnUndoClearsItToShowItsItem) {
    const QString end = QStringLiteral(";**************************");
    game.writeItems({"Weapon=gun", "Cost=1", end, "Weapon=twin", "Cost=1", end, "Weapon=twin",
                     "Cost=2", end, "Weapon=open", ""});
    game.writeNames({"<twin>", "x", QStringLiteral("名称：      双子"), ""});
    loadGame();
    auto* list = static_cast<ItemListBox*>(form.itemList());
    auto find = [&](const QString& text) {
        list->openFind();
        list->findBox()->setText(text);
    };
    clickItem(1);
    form.textBox("Text5")->setText(QStringLiteral("3"));
    find(QStringLiteral("open"));
    EXPECT_EQ(form.items().shownEntry(), -1);
    form.actions().undo();
    EXPECT_EQ(list->findBox()->text(), QString());
    EXPECT_EQ(form.items().shownEntry(), 1);

    find(QStringLiteral("双"));
    EXPECT_EQ(form.items().visibleEntries(), (std::vector<int>{1, 2}));
    clickItem(1);
    EXPECT_EQ(form.textBox("Text5")->text(), "2"); // the second twin's own record
    find(QStringLiteral("GUN"));
    EXPECT_EQ(form.items().visibleEntries(), (std::vector<int>{0}));
    clickItemFile(); // a rebuild
    EXPECT_EQ(form.items().visibleEntries(), (std::vector<int>{0}));
}

} // namespace
} // namespace wed::test
