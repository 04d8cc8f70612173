#include "data/numeric_value.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>

namespace wed {
namespace {

TEST(NumericValue, ReadsTheLeadingNumberSkippingBlanks) {
    const std::pair<const char16_t*, double> cases[] = {
        {u"12abc", 12},
        {u"007", 7},
        {u"1.50", 1.5},
        {u"3=机枪", 3},
        {u"1.2.3", 1.2},
        {u"-4.7", -4.7},
        {u"+6", 6},
        {u".5", 0.5},
        {u" 3 4", 34},
        {u"\t1\n5 0 0", 1500},
        {u"- 2 . 5", -2.5},
        {u"1\u30002", 1},
        {u"", 0},
        {u"-", 0},
        {u".", 0},
        {u"abc12", 0},
        {u"１２", 0},
        {u"1e3", 1000},
        {u"2E-2", 0.02},
        {u"5e", 5},
        {u"5e-x", 5},
        {u"5 e 2", 500},
        {u"1e-400", 0},
        {u"-1E-400", 0},
        {u"1000e-99999999999999999999", 0},
    };
    // An ideographic space is no blank and full-width digits are no digits.
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(NumericValue, NumbersBeyondADoubleAreInfinite) {
    EXPECT_TRUE(std::isinf(numericValue(u"1e400")));
    EXPECT_GT(numericValue(u"1e400"), 0);
    EXPECT_LT(numericValue(u"-1e400"), 0);
    EXPECT_TRUE(std::isinf(numericValue(QStringLiteral("1") + QString(400, u'0'))));
    EXPECT_TRUE(std::isinf(numericValue(u"0.001e99999999999999999999")));
    EXPECT_EQ(numericValue(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0);
}

TEST(IsNumber, TheWholeTextIsOneDecimalNumber) {
    for (const char16_t* number : {u"0", u"-12", u"+3", u"1.50", u".5", u"5.", u"1e3", u"2E-2"})
        EXPECT_TRUE(isNumber(number)) << QString::fromUtf16(number).toStdString();
    for (const char16_t* other : {u"", u"-", u".", u"1.2.3", u" 1", u"1 ", u"1e", u"e3", u"1e+",
                                  u"12abc", u"１２", u"0x1f"})
        EXPECT_FALSE(isNumber(other)) << QString::fromUtf16(other).toStdString();
}

} // namespace
} // namespace wed
