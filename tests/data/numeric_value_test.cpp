#include "data/numeric_value.h"

#include <QString>
#include <gtest/gtest.h>

#include <limits>

namespace wed {
namespace {

TEST(NumericValue, ReadsTheLeadingNumberSkippingBlanks) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<QString, double> cases[] = {
        {"12abc", 12},
        {"1.50", 1.5},
        {"3=机枪", 3},
        {"1.2.3", 1.2},
        {"-4.7", -4.7},
        {"+6", 6},
        {".5", 0.5},
        {" 3 4", 34},
        {"\t1\n5 0 0", 1500},
        {"- 2 . 5", -2.5},
        {"1\u30002", 1},
        {"", 0},
        {"-", 0},
        {"１２", 0},
        {"1e3", 1000},
        {"2E-2", 0.02},
        {"5e", 5},
        {"5 e 2", 500},
        {"1e-400", 0},
        {"1000e-99999999999999999999", 0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"0.001e99999999999999999999", inf},
        {"1" + QString(400, u'0'), inf},
        {"0." + QString(400, u'0') + "1", 0},
    };
    // An ideographic space is no blank and full-width digits are no digits; numbers beyond a
    // double are infinite.
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(text), value) << text.toStdString();
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
