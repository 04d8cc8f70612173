#include "edit/decimal_form.h"
#include "edit/field_line.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace wed {
namespace {

// Plain notation, never an exponent, fifteen significant digits, no superfluous zeros.
TEST(DecimalForm, ShortestPlainFormToFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {{100, "100"},
                                                    {-34.25, "-34.25"},
                                                    {-0.0, "0"},
                                                    {1e20, "100000000000000000000"},
                                                    {-2.5e-5, "-0.000025"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {2.0 / 3.0, "0.666666666666667"},
                                                    {123456789012345678.0, "123456789012346000"},
                                                    {9.9999999999999999, "10"}};
    for (const auto& [value, form] : cases)
        EXPECT_EQ(decimalForm(value), QString::fromLatin1(form)) << value;
    EXPECT_TRUE(decimalForm(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(decimalForm(std::nan("")).isEmpty());
}

// A field by "category/key": "weapon/Cost".
const FieldSpec& field(const char* name) {
    const QString text = QString::fromLatin1(name);
    const Category* category = categoryForName(text.section(u'/', 0, 0));
    const int index = category ? fieldOfKey(category->id, text.section(u'/', 1)) : -1;
    if (index < 0)
        throw std::invalid_argument(name);
    return categoryFields(category->id).fields[size_t(index)];
}

const QByteArray kClassRefused = "refused: " + QByteArray::number(int(Status::ClassOutOfRange));

TEST(FieldLine, EachKindOfFieldFormsItsLine) {
    const QString longName = QStringLiteral("Ammo_") + QString(40, u'z');
    const struct {
        const char* field;
        QString text;
        QByteArray line; // or "refused: <status>"
    } cases[] = {
        // Verbatim and numeric fields; a numeric field skips blanks and line feeds.
        {"weapon/Cost", "007", "Cost=007"}, // weapon price: verbatim
        {"armor/Cost", "007", "Cost=7"},  // armor price: numeric
        {"weapon/Explosive", "12abc", "Explosive=12"},
        {"weapon/Explosive", " 3 4", "Explosive=34"},
        {"weapon/Explosive", "1.50", "Explosive=1.5"},
        {"weapon/Explosive", "", "Explosive=0"},
        {"armor/Cost", "1\n5", "Cost=15"},
        {"weapon/VidMENU", " pic01 ", "VidMENU= pic01 "},
        {"implant/MinMax", QStringLiteral("武器"), QByteArray("MinMax=\xce\xe4\xc6\xf7")}, // code page
        // The class is checked before its fraction is dropped.
        {"weapon/Class", QStringLiteral("3=机枪"), "Class=3"},
        {"weapon/Class", QStringLiteral("5=能量"), "Class=5"},
        {"weapon/Class", "4.7", "Class=4"},
        {"weapon/Class", "5.5", kClassRefused},
        {"weapon/Class", "35", kClassRefused},
        {"weapon/Class", "-0.5", kClassRefused},
        {"weapon/Class", "", "Class=0"},
        // The ammo name is cut from the fifth character to thirty only for a list entry's text.
        {"weapon/AmmoName", QStringLiteral("手枪弹 Ammo_pistol"), "AmmoName=Ammo_pistol"},
        {"weapon/AmmoName", QStringLiteral("手　　 Ammo_hand"), "AmmoName=Ammo_hand"},
        {"weapon/AmmoName", QStringLiteral("手枪弹 "), "AmmoName="},
        {"weapon/AmmoName", QStringLiteral("手枪弹 ") + longName,
         "AmmoName=" + longName.left(30).toLatin1()},
        {"weapon/AmmoName", "Ammo_minigunX", "AmmoName=Ammo_minigunX"},
        {"weapon/AmmoName", "abc def", "AmmoName=abc def"}, // an ASCII word is no list entry
        {"weapon/AmmoName", longName, "AmmoName=" + longName.toLatin1()},
        // The bullet takes the integer part of the leading number.
        {"weapon/VIDBullet", QStringLiteral("800  子弹（小）"), "VIDBullet=800"},
        {"weapon/VIDBullet", "12.9", "VIDBullet=12"},
        {"weapon/VIDBullet", "-3.9", "VIDBullet=-3"},
        {"weapon/VIDBullet", QStringLiteral("火焰"), "VIDBullet=0"},
    };
    for (const auto& c : cases) {
        const FieldLine line = fieldLine(field(c.field), c.text);
        EXPECT_EQ(line.accepted() ? line.line
                                  : "refused: " + QByteArray::number(int(line.outcome.status)),
                  c.line)
            << c.field << " " << c.text.toStdString();
    }
    // Characters are counted, not bytes: thirty Chinese characters are kept whole.
    const FieldLine line =
        fieldLine(field("weapon/AmmoName"), QStringLiteral("手枪弹 ") + QString(35, u'武'));
    ASSERT_TRUE(line.accepted());
    EXPECT_EQ(line.line.size(), 9 + 60);
}

TEST(FieldLine, TooLargeNumbersUnencodableTextAndLineBreaksAreRefused) {
    for (const char* name : {"weapon/Explosive", "armor/Cost", "weapon/VIDBullet"})
        EXPECT_EQ(fieldLine(field(name), u"1e400").outcome.status, Status::NumberTooLarge) << name;
    EXPECT_EQ(fieldLine(field("weapon/Class"), u"1e400").outcome.status, Status::ClassOutOfRange);

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const FieldLine line = fieldLine(field("weapon/VidMENU"), QStringLiteral("ab") + emoji);
    EXPECT_EQ(line.outcome.status, Status::Unencodable);
    EXPECT_EQ(line.outcome.detail, emoji);
    EXPECT_FALSE(fieldLine(field("weapon/AmmoName"), QStringLiteral("手枪弹 Ammo_") + emoji).accepted());
    for (const char16_t* text : {u"10\r\n20", u"10\n20"})
        EXPECT_EQ(fieldLine(field("weapon/Damage"), text).outcome.status, Status::LineBreakInValue);
    EXPECT_FALSE(fieldLine(field("weapon/AmmoName"), u"Ammo\r").accepted());
}

} // namespace
} // namespace wed
