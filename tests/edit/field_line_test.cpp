#include "edit/field_line.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace wed {
namespace {

const FieldSpec& field(const char* control) {
    const FieldSpec* field = fieldByControl(QString::fromLatin1(control));
    if (!field)
        throw std::invalid_argument(control);
    return *field;
}

// The line a text gives in a field, or "refused: <status>".
QByteArray lineOf(const char* control, const QString& text) {
    const FieldLine line = fieldLine(field(control), text);
    return line.accepted() ? line.line : "refused: " + QByteArray::number(int(line.outcome.status));
}

struct Case {
    const char* control;
    QString text;
    QByteArray line;
};

void expectLines(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(lineOf(c.control, c.text), c.line) << c.control << " " << c.text.toStdString();
}

const QByteArray kClassRefused = "refused: " + QByteArray::number(int(Status::ClassOutOfRange));

TEST(FieldLine, VerbatimAndNumericFields) {
    expectLines({
        {"Text5", "007", "Cost=007"}, // weapon price: verbatim
        {"Text19", "007", "Cost=7"},  // armor price: numeric
        {"Text32", "007", "Cost=7"},  // implant price: numeric
        {"Text13", "12abc", "Explosive=12"},
        {"Text13", " 3 4", "Explosive=34"},
        {"Text13", "1.50", "Explosive=1.5"},
        {"Text13", "", "Explosive=0"},
        {"Text13", "-0", "Explosive=0"},
        {"Text2", "-2.50", "Add_level=-2.5"},
        {"Text19", "1\n5", "Cost=15"}, // a numeric field skips line feeds
        {"Text20", "", "Hp="},
        {"Text3", "10  20", "Damage=10  20"},
        {"Text15", " pic01 ", "VidMENU= pic01 "},
        // Chinese text is written in the file's code page.
        {"Text37", QStringLiteral("武器"), QByteArray("MinMax=\xce\xe4\xc6\xf7")},
    });
}

TEST(FieldLine, TooLargeNumbersUnencodableTextAndLineBreaksAreRefused) {
    for (const char* control : {"Text13", "Text19", "Combo3"}) {
        EXPECT_EQ(fieldLine(field(control), u"1e400").outcome.status, Status::NumberTooLarge)
            << control;
    }
    EXPECT_EQ(lineOf("Combo1", "1e400"), kClassRefused);

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const FieldLine line = fieldLine(field("Text15"), QStringLiteral("ab") + emoji);
    EXPECT_EQ(line.outcome.status, Status::Unencodable);
    EXPECT_EQ(line.outcome.detail, emoji);
    EXPECT_FALSE(fieldLine(field("Text3"), QStringLiteral("한")).accepted()); // outside GBK
    EXPECT_FALSE(fieldLine(field("Combo2"), QStringLiteral("手枪弹 Ammo_") + emoji).accepted());
    for (const char16_t* text : {u"10\r\n20", u"10\n20"})
        EXPECT_EQ(fieldLine(field("Text3"), text).outcome.status, Status::LineBreakInValue);
    EXPECT_FALSE(fieldLine(field("Combo2"), u"Ammo\r").accepted());
}

TEST(FieldLine, ClassIsCheckedBeforeItsFractionIsDropped) {
    expectLines({
        {"Combo1", QStringLiteral("3=机枪"), "Class=3"},
        {"Combo1", QStringLiteral("5=能量"), "Class=5"},
        {"Combo1", QStringLiteral("0=拳头"), "Class=0"},
        {"Combo1", "4.7", "Class=4"},
        {"Combo1", "5.5", kClassRefused},
        {"Combo1", "35", kClassRefused},
        {"Combo1", "6", kClassRefused},
        {"Combo1", "-1", kClassRefused},
        {"Combo1", "-0.5", kClassRefused},
        {"Combo1", "-", "Class=0"},
        {"Combo1", "", "Class=0"},
    });
}

// The name is taken from the fifth character only for text of a list entry's form.
TEST(FieldLine, AmmoNamesFromEntriesCutToThirtyAndBareNamesWhole) {
    const QString longName = QStringLiteral("Ammo_") + QString(40, u'z');
    expectLines({
        {"Combo2", QStringLiteral("手枪弹 Ammo_pistol"), "AmmoName=Ammo_pistol"},
        {"Combo2", QStringLiteral("无限１ Ammo_pistol_infinite"), "AmmoName=Ammo_pistol_infinite"},
        {"Combo2", QStringLiteral("手　　 Ammo_hand"), "AmmoName=Ammo_hand"},
        {"Combo2", QStringLiteral("手枪弹 Ammo_pistolX"), "AmmoName=Ammo_pistolX"},
        {"Combo2", QStringLiteral("手枪弹 "), "AmmoName="},
        {"Combo2", QStringLiteral("手枪弹 ") + longName,
         "AmmoName=" + longName.left(30).toLatin1()},
        {"Combo2", "Ammo_minigunX", "AmmoName=Ammo_minigunX"},
        {"Combo2", "Ammo", "AmmoName=Ammo"},
        {"Combo2", "", "AmmoName="},
        {"Combo2", "abc def", "AmmoName=abc def"}, // an ASCII word is no list entry
        {"Combo2", longName, "AmmoName=" + longName.toLatin1()},
    });
    // Characters are counted, not bytes: thirty Chinese characters are kept whole.
    const FieldLine line =
        fieldLine(field("Combo2"), QStringLiteral("手枪弹 ") + QString(35, u'武'));
    ASSERT_TRUE(line.accepted());
    EXPECT_EQ(line.line.size(), 9 + 60);
}

TEST(FieldLine, BulletTakesTheIntegerPartOfTheLeadingNumber) {
    expectLines({
        {"Combo3", QStringLiteral("800  子弹（小）"), "VIDBullet=800"},
        {"Combo3", QStringLiteral("1392 火焰（小）"), "VIDBullet=1392"},
        {"Combo3", "12.9", "VIDBullet=12"},
        {"Combo3", "-3.9", "VIDBullet=-3"},
        {"Combo3", QStringLiteral("火焰"), "VIDBullet=0"},
    });
}

} // namespace
} // namespace wed
