#include "plot/axis_ticks.h"
#include "support/qt_printers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace wed {
namespace {

using Ticks = std::vector<double>;
constexpr double kInf = std::numeric_limits<double>::infinity();

// 1, 2 or 5 times a power of ten.
bool round(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double factor = step / power;
    return std::abs(factor - 1) < 1e-6 || std::abs(factor - 2) < 1e-6 ||
           std::abs(factor - 5) < 1e-6;
}

TEST(AxisTicks, LinearTicksStandAtRoundNumbersInsideTheRange) {
    EXPECT_EQ(linearTicks({0, 10}, 6), (Ticks{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(linearTicks({-37, 12}, 6), (Ticks{-30, -20, -10, 0, 10}));
    EXPECT_FALSE(std::signbit(linearTicks({-0.3, 5}, 6)[0])) << "no -0";
    const Ticks fractions = linearTicks({0.13, 0.87}, 5);
    ASSERT_EQ(fractions.size(), 4u);
    EXPECT_DOUBLE_EQ(fractions[0], 0.2);
    EXPECT_DOUBLE_EQ(fractions[3], 0.8);
    // Tiny and huge spans, up to the largest doubles, without overflow.
    const Ticks tiny = linearTicks({1e-12, 5e-12}, 5);
    ASSERT_EQ(tiny.size(), 5u);
    EXPECT_DOUBLE_EQ(tiny[4], 5e-12);
    const double most = std::numeric_limits<double>::max();
    EXPECT_EQ(linearTicks({-1e308, 1e308}, 5), (Ticks{-1e308, -5e307, 0, 5e307, 1e308}));
    for (const double tick : linearTicks({-most, most}, 7))
        EXPECT_TRUE(std::isfinite(tick));
}

TEST(AxisTicks, OneValueOrNoRangeGiveOneTickOrNone) {
    EXPECT_EQ(linearTicks({7, 7}, 6), (Ticks{7}));
    EXPECT_EQ(linearTicks({3, 1}, 6), Ticks{});
    EXPECT_EQ(linearTicks({0, kInf}, 6), Ticks{});
    EXPECT_EQ(linearTicks({std::nan(""), 1}, 6), Ticks{});
    // Wider than the double can tell apart from 1: a few ticks, never an endless count.
    EXPECT_LE(linearTicks({1, 1 + 4e-16}, 6).size(), 6u);
    // The first range shown for one value, or for zero, has room around it.
    EXPECT_LT(homeRange(7, 7, AxisScale::Linear).low, 7);
    EXPECT_GT(homeRange(0, 0, AxisScale::Linear).high, 0);
    EXPECT_GE(linearTicks(homeRange(-5, -5, AxisScale::Linear), 6).size(), 2u);
    // Prices from 70 to 4800: from zero, and not a quarter of the axis left empty above.
    const AxisRange prices = homeRange(70, 4800, AxisScale::Linear);
    EXPECT_EQ(prices.low, 0);
    EXPECT_LE(prices.high, 4800 + 0.2 * (4800 - 70));
    EXPECT_EQ(homeRange(-4800, -70, AxisScale::Linear).high, 0);
}

TEST(AxisTicks, AnyRangeHasOrderedRoundTicksInsideIt) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int round_ = 0; round_ < 2000; ++round_) {
        const double scale = std::pow(10.0, exponent(random));
        double low = unit(random) * scale, high = unit(random) * scale;
        if (low > high)
            std::swap(low, high);
        const int most = 6 + round_ % 7;
        const Ticks ticks = linearTicks({low, high}, most);
        ASSERT_GE(ticks.size(), 2u) << low << ' ' << high;
        ASSERT_LE(int(ticks.size()), most);
        EXPECT_GE(ticks.front(), low);
        EXPECT_LE(ticks.back(), high);
        for (size_t i = 1; i < ticks.size(); ++i)
            ASSERT_GT(ticks[i], ticks[i - 1]);
        EXPECT_TRUE(round(ticks[1] - ticks[0])) << ticks[1] - ticks[0];
        // Rounded out to ticks, the first range shown holds the values.
        const AxisRange home = homeRange(low, high, AxisScale::Linear);
        EXPECT_LE(home.low, low);
        EXPECT_GE(home.high, high);
    }
}

TEST(AxisTicks, LogarithmicTicksArePowersOfTenOrTheirMultiples) {
    EXPECT_EQ(logTicks({1, 1e6}, 10), (Ticks{1, 10, 100, 1e3, 1e4, 1e5, 1e6}));
    EXPECT_EQ(logTicks({1, 1e6}, 4), (Ticks{1, 100, 1e4, 1e6}));
    EXPECT_EQ(logTicks({0.002, 0.3}, 6), (Ticks{0.01, 0.1}));
    EXPECT_EQ(logTicks({3, 40}, 6), (Ticks{5, 10, 20}));
    const Ticks narrow = logTicks({3.1, 3.4}, 6);
    EXPECT_EQ(narrow, linearTicks({3.1, 3.4}, 6));
    EXPECT_EQ(logTicks({0, 100}, 6), Ticks{});
    EXPECT_EQ(logTicks({-5, 100}, 6), Ticks{});
    EXPECT_TRUE(std::isnan(axisPosition(0, AxisScale::Log)));
    EXPECT_TRUE(std::isnan(axisPosition(-3, AxisScale::Log)));
    const AxisRange one = homeRange(50, 50, AxisScale::Log);
    EXPECT_LT(one.low, 50);
    EXPECT_GT(one.high, 50);
}

TEST(AxisTicks, LabelsShowTheDecimalsTheStepNeeds) {
    EXPECT_EQ(tickLabel(0.1 * 3, 0.1), QStringLiteral("0.3"));
    EXPECT_EQ(tickLabel(0.05, 0.05), QStringLiteral("0.05"));
    EXPECT_EQ(tickLabel(-20, 10), QStringLiteral("-20"));
    EXPECT_EQ(tickLabel(0, 0.5), QStringLiteral("0"));
    EXPECT_EQ(tickLabel(1e9, 1e9), QStringLiteral("1e+09"));
}

} // namespace
} // namespace wed
