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

const ItemRef kGun{CategoryId::Weapon, "gun", 1};
const ItemRef kRifle{CategoryId::Weapon, "rifle", 1};

class History : public DocumentFixture {
  protected:
    void SetUp() override {
        game.writeFile(QStringLiteral("weapon.cfg"), kItems);
        game.writeNames({"<gun>", "x", QStringLiteral("名称：    机枪"), ""});
        open();
    }
    int steps() const { return document.history().count(); }
    // Where the last undo or redo showed: the item, the field's key and its text.
    QString lastShown(const QSignalSpy& spy) const {
        const StepPlace place = spy.last().at(0).value<StepPlace>();
        return refText(*place.item) + u' ' +
               QString::fromLatin1(
                   categoryFields(place.item->category).fields[size_t(place.field)].name()) +
               u'=' + place.text;
    }
};

// A session across items and categories, undone to the first byte and redone to the last.
TEST_F(History, UndoTakesEveryEditBackByteForByteAndRedoMakesItAgain) {
    typeKeys(kGun, "Cost", "7001");
    typeKeys(kGun, "Clip", "15");
    ASSERT_TRUE(type(kGun, "Class", "2=散弹", EditKind::Pick).done());
    typeKeys(kRifle, "Damage", "5 9");
    typeKeys(item(CategoryId::Armor, 0), "Hp", "90");
    typeKeys(item(CategoryId::Implant, 0), "MinMax", "2 4");
    ASSERT_EQ(steps(), 6);
    const QByteArray end = items();
    EXPECT_TRUE(end.endsWith(";last line\r\n"));

    QSignalSpy shownAt(&document, &Document::stepShown);
    while (document.history().canUndo())
        ASSERT_TRUE(document.undo().done());
    EXPECT_EQ(items(), kItems);
    EXPECT_EQ(document.game().items().bytes(), kItems);
    // The first step's item shows again, with the text its field had.
    EXPECT_EQ(lastShown(shownAt), "weapon/gun Cost=700");

    while (document.history().canRedo())
        ASSERT_TRUE(document.redo().done());
    EXPECT_EQ(items(), end);
    EXPECT_EQ(lastShown(shownAt), "implant/chip MinMax=2 4");
}

TEST_F(History, AStepIsOneRunOfTypingInOneFieldOfOneItemOrOnePick) {
    for (const char* keys : {"1", "12", "123"})
        ASSERT_TRUE(type(kGun, "Cost", keys).done());
    for (const char* keys : {"4"})
        ASSERT_TRUE(type(kGun, "Clip", keys).done());
    EXPECT_EQ(steps(), 2) << "one step per field";
    document.endTyping();
    typeKeys(kGun, "Clip", "45");
    EXPECT_EQ(steps(), 3) << "typing left the field";
    ASSERT_TRUE(type(kGun, "Class", "1=手枪", EditKind::Pick).done());
    ASSERT_TRUE(type(kGun, "Class", "4=火箭", EditKind::Pick).done());
    typeKeys(kGun, "Class", "5");
    EXPECT_EQ(steps(), 6) << "each pick, and typing after one";
    EXPECT_EQ(document.step(0).text, QStringLiteral("gun · 价格：700 → 123"));
}

// Typing a field back to what it said leaves no step.
TEST_F(History, ARunThatEndsWhereItBeganIsNoStep) {
    game.writeFile(QStringLiteral("weapon.cfg"), kItems + "\r\n");
    open();
    for (const char* keys : {"7", "70", "700"})
        ASSERT_TRUE(type(kGun, "Cost", keys).done());
    EXPECT_EQ(steps(), 0);
    EXPECT_EQ(items(), kItems + "\r\n");
}

// A keystroke that writes nothing ends only its own field's run: another field's step keeps
// its text.
TEST_F(History, AKeystrokeThatWritesNothingRetextsOnlyItsOwnFieldsStep) {
    ASSERT_TRUE(type(kGun, "Cost", "1").done());
    for (const char* keys : {"4", "12", "12"})
        ASSERT_TRUE(type(kGun, "Clip", keys).done());
    ASSERT_EQ(steps(), 1);
    EXPECT_EQ(document.step(0).text, QStringLiteral("gun · 价格：700 → 1"));
}

TEST_F(History, ARefusedMoveLeavesTheHistoryAndTheFileAsTheyWere) {
    typeKeys(kGun, "Cost", "1");
    typeKeys(kGun, "Clip", "2");
    const QByteArray end = items();
    ASSERT_TRUE(QFile::setPermissions(game.path(QStringLiteral("weapon.cfg")), QFile::ReadOwner));
    EXPECT_EQ(document.undo().status, Status::ReadOnly);
    EXPECT_EQ(document.moveHistoryTo(0).status, Status::ReadOnly);
    EXPECT_EQ(document.history().index(), 2);
    EXPECT_EQ(items(), end);
    EXPECT_EQ(document.game().items().bytes(), end);
}

TEST_F(History, AnotherProgramsChangeIsNeverOverwrittenAndEndsTheHistory) {
    typeKeys(kGun, "Cost", "1");
    const QByteArray theirs = items().replace("Clip=12", "Clip=99");
    game.writeFile(QStringLiteral("weapon.cfg"), theirs);

    QSignalSpy reloaded(&document, &Document::reloaded);
    EXPECT_EQ(document.undo().effect, Effect::Reloaded);
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_EQ(items(), theirs);
    EXPECT_EQ(steps(), 0);
    // The model holds the file as it is now, and edits go on from there.
    EXPECT_EQ(value(kGun, "Clip"), "99");
    ASSERT_TRUE(type(kGun, "Clip", "7").done());
    EXPECT_EQ(items(), QByteArray(theirs).replace("Clip=99", "Clip=7"));

    game.writeFile(QStringLiteral("weapon.cfg"), theirs);
    EXPECT_EQ(type(kGun, "Cost", "2").status, Status::ExternalChange);
    EXPECT_EQ(items(), theirs);
    EXPECT_EQ(steps(), 0);
}

// An edit goes to the file the model holds, or nowhere.
TEST_F(History, OpeningAnotherFileEndsTheHistory) {
    const QByteArray other = "Weapon=other\r\nClip=1\r\nCost=5\r\n";
    game.writeFile(QStringLiteral("second/weapon.cfg"), other);
    game.writeFile(QStringLiteral("second/Text/Weapon.txt"), {});
    typeKeys(kGun, "Cost", "1");
    QSignalSpy replaced(&document, &Document::filesReplaced);
    ASSERT_FALSE(document.open(game.path(QStringLiteral("second/weapon.cfg"))).refused());
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(steps(), 0);
    EXPECT_EQ(type(kGun, "Cost", "2").status, Status::NoSuchItem);
    EXPECT_EQ(game.readFile(QStringLiteral("second/weapon.cfg")), other);
    // Reading the same file again, as a category change does, keeps the history.
    typeKeys({CategoryId::Weapon, "other", 1}, "Cost", "3");
    ASSERT_FALSE(document.open(game.path(QStringLiteral("second/weapon.cfg"))).refused());
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(steps(), 1);
}

TEST_F(History, AMissingKeyAndARefusedValueWriteNothing) {
    EXPECT_EQ(type(kRifle, "Cost", "1").status, Status::NoSuchKey);
    EXPECT_EQ(type(kGun, "Clip", QStringLiteral("한")).status, Status::Unencodable);
    EXPECT_EQ(type(kGun, "Clip", QStringLiteral("1\x18")).status, Status::ControlCharacter);
    EXPECT_EQ(type(kGun, "Clip", QStringLiteral("1\x7f")).status, Status::ControlCharacter);
    // An invisible byte-order mark at the start would be dropped on its way to the file.
    EXPECT_EQ(type(kGun, "Clip", QStringLiteral("\uFEFF1")).status, Status::ControlCharacter);
    EXPECT_EQ(items(), kItems);
    EXPECT_EQ(steps(), 0);
}

} // namespace
} // namespace wed::test
