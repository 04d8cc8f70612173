#include "edit/decimal_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wed {
namespace {

TEST(DecimalForm, PlainIntegersAndFractionsWithoutSuperfluousZeros) {
    EXPECT_EQ(decimalForm(7), QStringLiteral("7"));
    EXPECT_EQ(decimalForm(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(decimalForm(1500), QStringLiteral("1500"));
    EXPECT_EQ(decimalForm(0.025), QStringLiteral("0.025"));
    EXPECT_EQ(decimalForm(-34.25), QStringLiteral("-34.25"));
    EXPECT_EQ(decimalForm(100), QStringLiteral("100"));
}

TEST(DecimalForm, ZeroOfEitherSignIsZero) {
    EXPECT_EQ(decimalForm(0.0), QStringLiteral("0"));
    EXPECT_EQ(decimalForm(-0.0), QStringLiteral("0"));
}

TEST(DecimalForm, NeverUsesAnExponent) {
    EXPECT_EQ(decimalForm(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(decimalForm(1e-7), QStringLiteral("0.0000001"));
    EXPECT_EQ(decimalForm(-2.5e-5), QStringLiteral("-0.000025"));
    EXPECT_EQ(decimalForm(1e15), QStringLiteral("1000000000000000"));
}

TEST(DecimalForm, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(decimalForm(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(decimalForm(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(decimalForm(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(decimalForm(123456789012345678.0), QStringLiteral("123456789012346000"));
    EXPECT_EQ(decimalForm(9.9999999999999999), QStringLiteral("10"));
    EXPECT_EQ(decimalForm(0.99999999999999999), QStringLiteral("1"));
}

TEST(DecimalForm, NonFiniteValuesHaveNoForm) {
    EXPECT_TRUE(decimalForm(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(decimalForm(-std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(decimalForm(std::nan("")).isEmpty());
}

} // namespace
} // namespace wed
