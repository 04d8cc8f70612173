#include "window/form1_fixture.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>

namespace wed::test {
namespace {

using ItemList = Form1Fixture;

const QStringList kNames{QStringLiteral("1"), QStringLiteral("手枪"), QStringLiteral("一把枪")};

// The list is the scan's (tested on its own) wired to the window: a big file read whole, the
// name file found whatever its letter case, both buffers kept.
TEST_F(ItemList, ListsEveryWeaponHeaderOfAWholeBigFileInFileOrder) {
    QStringList lines(40000, QStringLiteral("Cost=1"));
    lines[0] = QStringLiteral("Weapon=first");
    lines[1] = QStringLiteral("weapon=lower");
    lines[32768] = QStringLiteral("Weapon=at32768");
    lines.append(QStringLiteral("Weapon=first"));
    game.writeItems(lines);
    game.writeNames(kNames, QStringLiteral("TEXT/weapon.TXT"));
    loadGame();
    EXPECT_EQ(listed(), QStringList({"first", "at32768", "first"}));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(GetLine(form.document().items(), 0), QStringLiteral("Weapon=first"));
    EXPECT_EQ(GetLine(form.document().names(), 2), QStringLiteral("一把枪"));
}

TEST_F(ItemList, ImplantListDropsSpecialRecordsAndTheSkillCostLoaderClosesTheGate) {
    game.writeItems({"Implant=RandItems_1", "Implant=chip", "Implant=ImplantSkillsCost"});
    game.writeNames(kNames);
    chooseCategory(2);
    form.document().setGateOpen(true);
    loadGame();
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_EQ(form.document().gateOpen(), false);
}

// Armor lists keep the names only implants exclude; without a skill-cost record the gate stays.
TEST_F(ItemList, ArmorKeepsImplantOnlyExclusionsAndNoSkillCostRecordLeavesTheGate) {
    game.writeItems({"Weapon=gun", "Armor=vest", "Armor=RandItems_1", "Implant=chip"});
    game.writeNames(kNames);
    chooseCategory(1);
    loadGame();
    EXPECT_EQ(listed(), QStringList({"vest", "RandItems_1"}));
    form.document().setGateOpen(true);
    chooseCategory(2);
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_EQ(form.document().gateOpen(), true);
}

TEST_F(ItemList, MissingNameFileGivesEmptyNamesWithANotice) {
    game.writeItems({"Weapon=gun"});
    loadGame();
    EXPECT_EQ(listed(), QStringList({"gun"}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Weapon.txt")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("名字和说明将显示为空")));
    EXPECT_TRUE(form.document().names().bytes().isEmpty());
}

// A file that cannot be read changes nothing: the list and both buffers stay as they were.
TEST_F(ItemList, UnreadableFilesKeepThePreviousListAndBuffers) {
    game.writeItems({"Weapon=gun", "Weapon=rifle"});
    game.writeNames(kNames);
    loadGame();
    const QByteArray items = form.document().items().bytes();
    const QByteArray names = form.document().names().bytes();

    // The name file turned into a folder, then weapon.cfg gone, then turned into a folder.
    QFile::remove(game.path("Text/Weapon.txt"));
    game.makeFolder("Text/Weapon.txt");
    clickItemFile();
    QFile::remove(game.path("weapon.cfg"));
    clickItemFile();
    game.makeFolder("weapon.cfg");
    clickItemFile();

    ASSERT_EQ(messages.texts.size(), 3);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Weapon.txt”是一个文件夹")));
    EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("找不到文件")));
    EXPECT_TRUE(messages.texts[2].contains(QStringLiteral("weapon.cfg”是一个文件夹")));
    for (const QString& text : messages.texts)
        EXPECT_TRUE(text.endsWith(QStringLiteral("物品列表没有改变。"))) << text.toStdString();
    EXPECT_EQ(listed(), QStringList({"gun", "rifle"}));
    EXPECT_EQ(form.document().items().bytes(), items);
    EXPECT_EQ(form.document().names().bytes(), names);
}

TEST_F(ItemList, TypedCategoryThatIsNoneOfTheThreeKeepsTheList) {
    game.writeItems({"Weapon=gun"});
    game.writeNames(kNames);
    loadGame();
    form.categoryBox()->setEditText(QStringLiteral("其他"));
    clickItemFile();
    EXPECT_EQ(listed(), QStringList({"gun"}));
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(ItemList, RebuildingTheListDoesNotSelectAnItemButClickingOneDoes) {
    game.writeItems({"Weapon=gun", "Weapon=rifle"});
    game.writeNames(kNames);
    loadGame();
    EXPECT_EQ(form.document().gateOpen(), false);
    QListWidget* list = form.itemList();
    clickItem(1);
    EXPECT_EQ(form.document().gateOpen(), true) << "item selection opened the gate";

    form.document().setGateOpen(false);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form.document().gateOpen(), true) << "the keyboard selects items too";
}

// The category box switches panels always, and rebuilds the list only with the gate open.
TEST_F(ItemList, CategoryChangeRebuildsTheListOnlyWhenTheGateIsOpen) {
    game.writeItems({"Weapon=gun", "Armor=vest", "Implant=chip", "Implant=ImplantSkillsCost"});
    game.writeNames(kNames);
    loadGame();
    auto shownPanels = [&] {
        QStringList shown;
        for (const char* panel : {"Frame3", "Frame4", "Frame5"})
            if (form.findChild<QGroupBox*>(panel)->isVisible())
                shown.append(panel);
        return shown;
    };

    chooseCategory(1);
    EXPECT_EQ(shownPanels(), QStringList({"Frame4"}));
    EXPECT_EQ(listed(), QStringList({"gun"}));

    form.document().setGateOpen(true);
    chooseCategory(2);
    EXPECT_EQ(shownPanels(), QStringList({"Frame5"}));
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_EQ(form.document().gateOpen(), false);

    chooseCategory(0);
    EXPECT_EQ(shownPanels(), QStringList({"Frame3"}));
    EXPECT_EQ(listed(), QStringList({"chip"}));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ItemList, ArrowKeyPicksACategoryButTypingDoesNot) {
    QComboBox* box = form.categoryBox();
    QWidget* armor = form.findChild<QWidget*>("Frame4");
    QTest::keyClicks(box->lineEdit(), QStringLiteral("x"));
    EXPECT_FALSE(armor->isVisible());
    box->setEditText(QStringLiteral("武器"));
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), QStringLiteral("装甲"));
    EXPECT_TRUE(armor->isVisible());
}

} // namespace
} // namespace wed::test
