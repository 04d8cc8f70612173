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

const FieldSpec& field(const char* control) {
    const FieldSpec* field = fieldByControl(QString::fromLatin1(control));
    if (!field)
        throw std::invalid_argument(control);
    return *field;
}

const QByteArray kClassRefused = "refused: " + QByteArray::number(int(Status::ClassOutOfRange));

TEST(FieldLine, EachKindOfFieldFormsItsLine) {
    const QString longName = QStringLiteral("Ammo_") + QString(40, u'z');
    const struct {
        const char* control;
        QString text;
        QByteArray line; // or "refused: <status>"
    } cases[] = {
        // Verbatim and numeric fields; a numeric field skips blanks and line feeds.
        {"Text5", "007", "Cost=007"}, // weapon price: verbatim
        {"Text19", "007", "Cost=7"},  // armor price: numeric
        {"Text13", "12abc", "Explosive=12"},
        {"Text13", " 3 4", "Explosive=34"},
        {"Text13", "1.50", "Explosive=1.5"},
        {"Text13", "", "Explosive=0"},
        {"Text19", "1\n5", "Cost=15"},
        {"Text15", " pic01 ", "VidMENU= pic01 "},
        {"Text37", QStringLiteral("武器"), QByteArray("MinMax=\xce\xe4\xc6\xf7")}, // code page
        // The class is checked before its fraction is dropped.
        {"Combo1", QStringLiteral("3=机枪"), "Class=3"},
        {"Combo1", QStringLiteral("5=能量"), "Class=5"},
        {"Combo1", "4.7", "Class=4"},
        {"Combo1", "5.5", kClassRefused},
        {"Combo1", "35", kClassRefused},
        {"Combo1", "-0.5", kClassRefused},
        {"Combo1", "", "Class=0"},
        // The ammo name is cut from the fifth character to thirty only for a list entry's text.
        {"Combo2", QStringLiteral("手枪弹 Ammo_pistol"), "AmmoName=Ammo_pistol"},
        {"Combo2", QStringLiteral("手　　 Ammo_hand"), "AmmoName=Ammo_hand"},
        {"Combo2", QStringLiteral("手枪弹 "), "AmmoName="},
        {"Combo2", QStringLiteral("手枪弹 ") + longName,
         "AmmoName=" + longName.left(30).toLatin1()},
        {"Combo2", "Ammo_minigunX", "AmmoName=Ammo_minigunX"},
        {"Combo2", "abc def", "AmmoName=abc def"}, // an ASCII word is no list entry
        {"Combo2", longName, "AmmoName=" + longName.toLatin1()},
        // The bullet takes the integer part of the leading number.
        {"Combo3", QStringLiteral("800  子弹（小）"), "VIDBullet=800"},
        {"Combo3", "12.9", "VIDBullet=12"},
        {"Combo3", "-3.9", "VIDBullet=-3"},
        {"Combo3", QStringLiteral("火焰"), "VIDBullet=0"},
    };
    for (const auto& c : cases) {
        const FieldLine line = fieldLine(field(c.control), c.text);
        EXPECT_EQ(line.accepted() ? line.line
                                  : "refused: " + QByteArray::number(int(line.outcome.status)),
                  c.line)
            << c.control << " " << c.text.toStdString();
    }
    // Characters are counted, not bytes: thirty Chinese characters are kept whole.
    const FieldLine line =
        fieldLine(field("Combo2"), QStringLiteral("手枪弹 ") + QString(35, u'武'));
    ASSERT_TRUE(line.accepted());
    EXPECT_EQ(line.line.size(), 9 + 60);
}

TEST(FieldLine, TooLargeNumbersUnencodableTextAndLineBreaksAreRefused) {
    for (const char* control : {"Text13", "Text19", "Combo3"})
        EXPECT_EQ(fieldLine(field(control), u"1e400").outcome.status, Status::NumberTooLarge)
            << control;
    EXPECT_EQ(fieldLine(field("Combo1"), u"1e400").outcome.status, Status::ClassOutOfRange);

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const FieldLine line = fieldLine(field("Text15"), QStringLiteral("ab") + emoji);
    EXPECT_EQ(line.outcome.status, Status::Unencodable);
    EXPECT_EQ(line.outcome.detail, emoji);
    EXPECT_FALSE(fieldLine(field("Combo2"), QStringLiteral("手枪弹 Ammo_") + emoji).accepted());
    for (const char16_t* text : {u"10\r\n20", u"10\n20"})
        EXPECT_EQ(fieldLine(field("Text3"), text).outcome.status, Status::LineBreakInValue);
    EXPECT_FALSE(fieldLine(field("Combo2"), u"Ammo\r").accepted());
}

} // namespace
} // namespace wed
