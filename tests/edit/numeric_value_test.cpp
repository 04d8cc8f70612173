#include "edit/numeric_value.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>

namespace wed {
namespace {

TEST(NumericValue, ReadsTheLeadingNumberAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(numericValue(u"12abc"), 12);
    EXPECT_EQ(numericValue(u"007"), 7);
    EXPECT_EQ(numericValue(u"1.50"), 1.5);
    EXPECT_EQ(numericValue(u"3=机枪"), 3);
    EXPECT_EQ(numericValue(u"800  子弹（小）"), 800);
    EXPECT_EQ(numericValue(u"1.2.3"), 1.2);
    EXPECT_EQ(numericValue(u"-4.7"), -4.7);
    EXPECT_EQ(numericValue(u"+6"), 6);
    EXPECT_EQ(numericValue(u".5"), 0.5);
}

TEST(NumericValue, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(numericValue(u" 3 4"), 34);
    EXPECT_EQ(numericValue(u"\t1\n5 0 0"), 1500);
    EXPECT_EQ(numericValue(u"- 2 . 5"), -2.5);
    // An ideographic space is no blank: it ends the number.
    EXPECT_EQ(numericValue(u"1\u30002"), 1);
}

TEST(NumericValue, TextWithoutALeadingNumberIsZero) {
    EXPECT_EQ(numericValue(u""), 0);
    EXPECT_EQ(numericValue(u"-"), 0);
    EXPECT_EQ(numericValue(u"."), 0);
    EXPECT_EQ(numericValue(u"abc12"), 0);
    EXPECT_EQ(numericValue(u"Ammo_pistol"), 0);
    // Full-width digits are not digits of a number.
    EXPECT_EQ(numericValue(u"１２"), 0);
}

TEST(NumericValue, ExponentCountsOnlyWithDigits) {
    EXPECT_EQ(numericValue(u"1e3"), 1000);
    EXPECT_EQ(numericValue(u"2E-2"), 0.02);
    EXPECT_EQ(numericValue(u"5e"), 5);
    EXPECT_EQ(numericValue(u"5e-x"), 5);
    EXPECT_EQ(numericValue(u"5 e 2"), 500);
}

TEST(NumericValue, OutOfRangeNumbers) {
    EXPECT_TRUE(std::isinf(numericValue(u"1e400")));
    EXPECT_GT(numericValue(u"1e400"), 0);
    EXPECT_LT(numericValue(u"-1e400"), 0);
    EXPECT_EQ(numericValue(u"1e-400"), 0);
    EXPECT_EQ(numericValue(u"-1E-400"), 0);
    EXPECT_EQ(numericValue(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0);
    EXPECT_TRUE(std::isinf(numericValue(QStringLiteral("1") + QString(400, u'0'))));
    EXPECT_TRUE(std::isinf(numericValue(u"0.001e99999999999999999999")));
    EXPECT_EQ(numericValue(u"1000e-99999999999999999999"), 0);
}

} // namespace
} // namespace wed
