#include "document_fixture.h"

#include "data/item_list.h"

#include <QFile>

namespace wed::test {
namespace {

const QByteArray kEnd = ";**************************";

// Weapons, an armor and an implant; bytes the code page cannot decode, a lone CR inside a line,
// and a last line without a line end.
const QByteArray kItems = "Weapon=gun\r\nCost=700\r\nClip=12\r\nClass=3\r\n" + kEnd +
                          "\r\nWeapon=rifle\r\nDamage=10 20\r\n" + kEnd +
                          "\r\nArmor=vest\r\nHp=80\r\n" + kEnd +
                          "\r\nImplant=chip\r\nMinMax=1 3\r\n;**\r\n;\x81\x30\xff odd\r\n"
                          "; lone\rCR\r\n;last line";

class History : public DocumentFixture {
  protected:
    void SetUp() override {
        game.writeFile(QStringLiteral("weapon.cfg"), kItems);
        game.writeNames({"<gun>", "x", QStringLiteral("名称：    机枪"), ""});
    }
    int steps() const { return document.history().count(); }
};

// A session across items and categories, undone to the first byte and redone to the last.
TEST_F(History, UndoTakesEveryEditBackByteForByteAndRedoMakesItAgain) {
    show(QStringLiteral("武器"), 0);
    typeKeys(CategoryId::Weapon, "Text5", "7001");
    typeKeys(CategoryId::Weapon, "Text10", "15");
    ASSERT_TRUE(type(CategoryId::Weapon, "Combo1", "2=散弹", EditKind::Pick).done());
    document.showItem(1);
    typeKeys(CategoryId::Weapon, "Text3", "5 9");
    show(QStringLiteral("装甲"), 0);
    typeKeys(CategoryId::Armor, "Text20", "90");
    show(QStringLiteral("晶体"), 0);
    typeKeys(CategoryId::Implant, "Text37", "2 4");
    ASSERT_EQ(steps(), 6);
    const QByteArray end = items();
    EXPECT_TRUE(end.endsWith(";last line\r\n"));

    while (document.history().canUndo())
        ASSERT_TRUE(document.undo().done());
    EXPECT_EQ(items(), kItems);
    EXPECT_EQ(document.items().bytes(), kItems);
    // The first step's item is shown again, with the text its field had.
    EXPECT_EQ(document.categoryWord(), QStringLiteral("武器"));
    EXPECT_EQ(document.shownEntry(), 0);
    EXPECT_EQ(shownText(CategoryId::Weapon, "Text5"), "700");

    while (document.history().canRedo())
        ASSERT_TRUE(document.redo().done());
    EXPECT_EQ(items(), end);
    EXPECT_EQ(document.categoryWord(), QStringLiteral("晶体"));
    EXPECT_EQ(shownText(CategoryId::Implant, "Text37"), "2 4");
}

TEST_F(History, AStepIsOneRunOfTypingInOneFieldOfOneItemOrOnePick) {
    show(QStringLiteral("武器"), 0);
    typeKeys(CategoryId::Weapon, "Text5", "123");
    typeKeys(CategoryId::Weapon, "Text10", "4");
    EXPECT_EQ(steps(), 2) << "one step per field";
    document.endTyping();
    typeKeys(CategoryId::Weapon, "Text10", "45");
    EXPECT_EQ(steps(), 3) << "typing left the field";
    ASSERT_TRUE(type(CategoryId::Weapon, "Combo1", "1=手枪", EditKind::Pick).done());
    ASSERT_TRUE(type(CategoryId::Weapon, "Combo1", "4=火箭", EditKind::Pick).done());
    typeKeys(CategoryId::Weapon, "Combo1", "5");
    EXPECT_EQ(steps(), 6) << "each pick, and typing after one";
    document.showItem(1);
    document.showItem(0);
    typeKeys(CategoryId::Weapon, "Combo1", "3");
    EXPECT_EQ(steps(), 7) << "another item was shown in between";
    EXPECT_EQ(document.history().text(0), QStringLiteral("gun · 价格：700 → 123"));
}

TEST_F(History, ARefusedMoveLeavesTheHistoryAndTheFileAsTheyWere) {
    show(QStringLiteral("武器"), 0);
    typeKeys(CategoryId::Weapon, "Text5", "1");
    typeKeys(CategoryId::Weapon, "Text10", "2");
    const QByteArray end = items();
    ASSERT_TRUE(QFile::setPermissions(game.path(QStringLiteral("weapon.cfg")), QFile::ReadOwner));
    EXPECT_EQ(document.undo().status, Status::ReadOnly);
    EXPECT_EQ(document.moveHistoryTo(0).status, Status::ReadOnly);
    EXPECT_EQ(document.history().index(), 2);
    EXPECT_EQ(items(), end);
    EXPECT_EQ(document.items().bytes(), end);
}

TEST_F(History, AnotherProgramsChangeIsNeverOverwrittenAndEndsTheHistory) {
    show(QStringLiteral("武器"), 0);
    typeKeys(CategoryId::Weapon, "Text5", "1");
    const QByteArray theirs = items().replace("Clip=12", "Clip=99");
    game.writeFile(QStringLiteral("weapon.cfg"), theirs);

    EXPECT_EQ(document.undo().effect, Effect::Reloaded);
    EXPECT_EQ(items(), theirs);
    EXPECT_EQ(steps(), 0);
    // The item is shown again as the file now has it, and edits go on from there.
    EXPECT_EQ(shownText(CategoryId::Weapon, "Text10"), "99");
    ASSERT_TRUE(type(CategoryId::Weapon, "Text10", "7").done());
    EXPECT_EQ(items(), QByteArray(theirs).replace("Clip=99", "Clip=7"));

    game.writeFile(QStringLiteral("weapon.cfg"), theirs);
    EXPECT_EQ(type(CategoryId::Weapon, "Text5", "2").status, Status::ExternalChange);
    EXPECT_EQ(items(), theirs);
    EXPECT_EQ(steps(), 0);
}

// An edit goes to the file its item was read from, at that file's line numbers, or nowhere.
TEST_F(History, OpeningAnotherFileForgetsWhatThePanelsShowedAndTheHistory) {
    const QByteArray other = "Weapon=other\r\nClip=1\r\nCost=5\r\n";
    game.writeFile(QStringLiteral("second/weapon.cfg"), other);
    game.writeFile(QStringLiteral("second/Text/Weapon.txt"), {});
    show(QStringLiteral("武器"), 0);
    typeKeys(CategoryId::Weapon, "Text5", "1");
    ASSERT_FALSE(document.open(game.path(QStringLiteral("second/weapon.cfg"))).refused());
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(document.panel(CategoryId::Weapon).has_value());
    EXPECT_EQ(type(CategoryId::Weapon, "Text5", "2").status, Status::Ignored);
    EXPECT_EQ(game.readFile(QStringLiteral("second/weapon.cfg")), other);
    // Reading the same file again, as a category change does, keeps both.
    ASSERT_FALSE(document.open(game.path(QStringLiteral("second/weapon.cfg"))).refused());
    document.showItem(0);
    typeKeys(CategoryId::Weapon, "Text5", "3");
    ASSERT_FALSE(document.open(game.path(QStringLiteral("second/weapon.cfg"))).refused());
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(type(CategoryId::Weapon, "Text5", "4").done());
    // A typed category that is none of the three reads nothing and keeps the list.
    document.setCategoryWord(QStringLiteral("其他"));
    EXPECT_EQ(document.open(game.path(QStringLiteral("weapon.cfg"))).status,
              Status::UnknownCategory);
    EXPECT_EQ(idsOf(document.entries()), QStringList{"other"});
}

TEST_F(History, AClosedGateAMissingKeyAndARefusedValueWriteNothing) {
    show(QStringLiteral("武器"), 1);
    document.setGateOpen(false);
    EXPECT_EQ(type(CategoryId::Weapon, "Text3", "1 1").status, Status::Ignored);
    document.setGateOpen(true);
    EXPECT_EQ(type(CategoryId::Weapon, "Text5", "1").status, Status::Ignored) << "no Cost line";
    EXPECT_EQ(type(CategoryId::Armor, "Text20", "1").status, Status::Ignored) << "not shown";
    document.showItem(0);
    EXPECT_EQ(type(CategoryId::Weapon, "Text10", QStringLiteral("한")).status, Status::Unencodable);
    EXPECT_EQ(items(), kItems);
    EXPECT_EQ(steps(), 0);
}

} // namespace
} // namespace wed::test
