#include "edit/field_line.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

const FieldSpec& field(const char* control) {
    const FieldSpec* field = fieldByControl(QString::fromLatin1(control));
    EXPECT_NE(field, nullptr) << control;
    return *field;
}

// The line a text gives in a field, or "refused: <message>".
QByteArray lineOf(const char* control, const QString& text) {
    const FieldLine line = fieldLine(field(control), text);
    return line.accepted ? line.line : "refused: " + line.message.toUtf8();
}

const QByteArray kClassRefused = "refused: " + QStringLiteral("数据错误！").toUtf8();

TEST(FieldLine, SameTextInAVerbatimAndANumericPrice) {
    EXPECT_EQ(lineOf("Text5", "007"), "Cost=007"); // weapon price: verbatim
    EXPECT_EQ(lineOf("Text19", "007"), "Cost=7");  // armor price: numeric
    EXPECT_EQ(lineOf("Text32", "007"), "Cost=7");  // implant price: numeric
}

TEST(FieldLine, NumericFieldsWriteTheDecimalFormOfTheLeadingNumber) {
    EXPECT_EQ(lineOf("Text13", "12abc"), "Explosive=12");
    EXPECT_EQ(lineOf("Text13", " 3 4"), "Explosive=34");
    EXPECT_EQ(lineOf("Text13", "1.50"), "Explosive=1.5");
    EXPECT_EQ(lineOf("Text13", ""), "Explosive=0");
    EXPECT_EQ(lineOf("Text13", "-0"), "Explosive=0");
    EXPECT_EQ(lineOf("Text2", "-2.50"), "Add_level=-2.5");
    EXPECT_EQ(lineOf("Text14", "1e3"), "VidGRND=1000");
}

TEST(FieldLine, TypingAPriceKeyByKeyWritesEachIntermediateValue) {
    const char* typed[] = {"1", "15", "150", "1500"};
    const char* written[] = {"Cost=1", "Cost=15", "Cost=150", "Cost=1500"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lineOf("Text19", typed[i]), written[i]);
}

TEST(FieldLine, VerbatimFieldsWriteTheWholeTextUnchanged) {
    EXPECT_EQ(lineOf("Text20", ""), "Hp=");
    EXPECT_EQ(lineOf("Text3", "10  20"), "Damage=10  20");
    EXPECT_EQ(lineOf("Text15", " pic01 "), "VidMENU= pic01 ");
    // Chinese text is written in the file's code page.
    EXPECT_EQ(lineOf("Text37", QStringLiteral("武器")), QByteArray("MinMax=\xce\xe4\xc6\xf7"));
}

TEST(FieldLine, TooLargeNumbersAreRefusedNotWrittenAsInfinity) {
    for (const char* control : {"Text13", "Text19", "Combo3"}) {
        const FieldLine line = fieldLine(field(control), u"1e400");
        EXPECT_FALSE(line.accepted) << control;
        EXPECT_TRUE(line.message.contains(QStringLiteral("太大"))) << control;
    }
    // The class box refuses it as out of range.
    EXPECT_EQ(lineOf("Combo1", "1e400"), kClassRefused);
}

TEST(FieldLine, CharactersTheCodePageCannotHoldAreRefusedNotReplaced) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const FieldLine line = fieldLine(field("Text15"), QStringLiteral("ab") + emoji);
    EXPECT_FALSE(line.accepted);
    EXPECT_TRUE(line.message.contains(emoji));
    // A Korean syllable is outside GBK as well.
    EXPECT_FALSE(fieldLine(field("Text3"), QStringLiteral("한")).accepted);
    EXPECT_FALSE(fieldLine(field("Combo2"), QStringLiteral("手枪弹 Ammo_") + emoji).accepted);
}

TEST(FieldLine, LineBreaksInAValueAreRefused) {
    EXPECT_FALSE(fieldLine(field("Text3"), u"10\r\n20").accepted);
    EXPECT_FALSE(fieldLine(field("Text3"), u"10\n20").accepted);
    EXPECT_FALSE(fieldLine(field("Combo2"), u"Ammo\r").accepted);
    // A numeric field skips line feeds while reading its number.
    EXPECT_EQ(lineOf("Text19", "1\n5"), "Cost=15");
}

TEST(FieldLine, ClassIsCheckedBeforeItsFractionIsDropped) {
    EXPECT_EQ(lineOf("Combo1", QStringLiteral("3=机枪")), "Class=3");
    EXPECT_EQ(lineOf("Combo1", QStringLiteral("5=能量")), "Class=5");
    EXPECT_EQ(lineOf("Combo1", QStringLiteral("0=拳头")), "Class=0");
    EXPECT_EQ(lineOf("Combo1", "4.7"), "Class=4");
    EXPECT_EQ(lineOf("Combo1", "5.5"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "35"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "6"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "10"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "-1"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "-0.5"), kClassRefused);
    EXPECT_EQ(lineOf("Combo1", "-"), "Class=0");
    EXPECT_EQ(lineOf("Combo1", ""), "Class=0");
    EXPECT_EQ(lineOf("Combo1", "-0"), "Class=0");
}

TEST(FieldLine, AmmoEntriesGiveTheNameFromTheFifthCharacter) {
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("手枪弹 Ammo_pistol")), "AmmoName=Ammo_pistol");
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("无限１ Ammo_pistol_infinite")),
              "AmmoName=Ammo_pistol_infinite");
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("散弹　 Ammo_shotgun")), "AmmoName=Ammo_shotgun");
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("手　　 Ammo_hand")), "AmmoName=Ammo_hand");
    // Typing after a picked entry extends the name.
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("手枪弹 Ammo_pistolX")), "AmmoName=Ammo_pistolX");
    // An entry whose name was deleted leaves the bare key.
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("手枪弹 ")), "AmmoName=");
}

TEST(FieldLine, AmmoEntryNamesAreCutToThirtyCharacters) {
    const QString name = QStringLiteral("Ammo_") + QString(40, u'z');
    const QByteArray expected = "AmmoName=" + name.left(30).toLatin1();
    EXPECT_EQ(lineOf("Combo2", QStringLiteral("手枪弹 ") + name), expected);
    // Characters are counted, not bytes: thirty Chinese characters are kept whole.
    const QString chinese = QString(35, QChar(0x6B66)); // 武
    const FieldLine line = fieldLine(field("Combo2"), QStringLiteral("手枪弹 ") + chinese);
    ASSERT_TRUE(line.accepted);
    EXPECT_EQ(line.line.size(), 9 + 60);
}

TEST(FieldLine, BareAmmoNamesAreWrittenWhole) {
    EXPECT_EQ(lineOf("Combo2", "Ammo_minigun"), "AmmoName=Ammo_minigun");
    EXPECT_EQ(lineOf("Combo2", "Ammo_minigunX"), "AmmoName=Ammo_minigunX");
    EXPECT_EQ(lineOf("Combo2", "Ammo"), "AmmoName=Ammo");
    EXPECT_EQ(lineOf("Combo2", ""), "AmmoName=");
    // An ASCII word with a blank after three letters is no list entry.
    EXPECT_EQ(lineOf("Combo2", "abc def"), "AmmoName=abc def");
    const QString longName = QStringLiteral("Ammo_") + QString(40, u'q');
    EXPECT_EQ(lineOf("Combo2", longName), "AmmoName=" + longName.toLatin1());
}

TEST(FieldLine, BulletTakesTheIntegerPartOfTheLeadingNumber) {
    EXPECT_EQ(lineOf("Combo3", QStringLiteral("800  子弹（小）")), "VIDBullet=800");
    EXPECT_EQ(lineOf("Combo3", QStringLiteral("1392 火焰（小）")), "VIDBullet=1392");
    EXPECT_EQ(lineOf("Combo3", QStringLiteral("3027 蓝射线")), "VIDBullet=3027");
    EXPECT_EQ(lineOf("Combo3", "3027"), "VIDBullet=3027");
    EXPECT_EQ(lineOf("Combo3", "12.9"), "VIDBullet=12");
    EXPECT_EQ(lineOf("Combo3", "-3.9"), "VIDBullet=-3");
    EXPECT_EQ(lineOf("Combo3", QStringLiteral("火焰")), "VIDBullet=0");
    EXPECT_EQ(lineOf("Combo3", ""), "VIDBullet=0");
}

TEST(FieldLine, EveryFieldOfEveryCategoryWritesItsOwnKey) {
    for (CategoryId id : {CategoryId::Weapon, CategoryId::Armor, CategoryId::Implant}) {
        for (const FieldSpec& field : categoryFields(id).fields) {
            const FieldLine line = fieldLine(field, u"3");
            ASSERT_TRUE(line.accepted) << field.control;
            EXPECT_EQ(line.line, field.key + "3") << field.control;
        }
    }
}

} // namespace
} // namespace wed
