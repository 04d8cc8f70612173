#include "data/robust_line.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace wed {
namespace {

using Missing = RobustLine::Missing;

// By hand, the points (1,4) (2,5) (3,8) (4,9) (5,30) (6,10) (7,16):
// the 21 slopes between pairs, in order: -20, -7, 1/2, 2/3, 1, 1, 6/5, 5/4, 5/3, 2, 2, 2, 2,
// 11/5, 7/3, 3, 6, 13/2, 25/3, 11, 21; the 11th, the median, is 2.
// y - 2x: 2, 1, 2, 1, 20, -2, 2; in order -2, 1, 1, 2, 2, 2, 20: the intercept is 2.
// Residuals y - (2 + 2x): 0, -1, 0, -1, 18, -4, 0; their median 0; their distances from it in
// order 0, 0, 0, 1, 1, 4, 18: MAD 1. 3 * 1.4826 * 1 = 4.4478: only (5,30), at 18, is beyond;
// (6,10), at 4, is not (it would be at 3 unscaled MADs).
TEST(RobustLine, MatchesTheLineAndOutliersWorkedByHand) {
    const std::vector<double> x{1, 2, 3, 4, 5, 6, 7};
    const std::vector<double> y{4, 5, 8, 9, 30, 10, 16};
    const RobustLine line = fitRobustLine(x, y);
    ASSERT_TRUE(line.drawn());
    EXPECT_TRUE(line.exact);
    EXPECT_DOUBLE_EQ(line.slope, 2);
    EXPECT_DOUBLE_EQ(line.intercept, 2);
    EXPECT_EQ(line.residuals, (std::vector<double>{0, -1, 0, -1, 18, -4, 0}));
    EXPECT_DOUBLE_EQ(line.mad, 1);
    EXPECT_EQ(line.outlier, (std::vector<bool>{false, false, false, false, true, false, false}));
    EXPECT_DOUBLE_EQ(line.distance(4), 18);
}

TEST(RobustLine, NoLineAndNoOutliersWithoutThreePointsOrASlope) {
    const std::vector<double> two{1, 2};
    EXPECT_EQ(fitRobustLine(two, two).missing, Missing::FewerThanThree);
    EXPECT_EQ(fitRobustLine({}, {}).missing, Missing::FewerThanThree);
    const std::vector<double> same{5, 5, 5, 5}, y{1, 9, 2, 100};
    const RobustLine upright = fitRobustLine(same, y);
    EXPECT_EQ(upright.missing, Missing::AllXEqual);
    EXPECT_TRUE(upright.outlier.empty());
    // Equal y: a flat line, no spread, and no point beyond it.
    const RobustLine flat = fitRobustLine(y, same);
    ASSERT_TRUE(flat.drawn());
    EXPECT_EQ(flat.slope, 0);
    EXPECT_EQ(std::count(flat.outlier.begin(), flat.outlier.end(), true), 0);
    // Points on a line but for the roundings of their decimals: none is beyond it.
    std::vector<double> tenths, onLine;
    for (int i = 1; i <= 9; ++i) {
        tenths.push_back(i * 0.1);
        onLine.push_back(0.3 + 0.7 * tenths.back());
    }
    const RobustLine straight = fitRobustLine(tenths, onLine);
    EXPECT_EQ(std::count(straight.outlier.begin(), straight.outlier.end(), true), 0);
    // Beyond what a double can subtract: said, not drawn as infinities.
    const std::vector<double> huge{-1e308, 0, 1e308}, small{0, 1e-300, 2e-300};
    EXPECT_EQ(fitRobustLine(small, huge).missing, Missing::TooLarge);
}

// Beyond the exact limit, a fixed sample of slopes: the same line every time, and its slope
// near the middle of all slopes (here within 1% of their ranks).
TEST(RobustLine, ManyPointsTakeAFixedSampleOfSlopesNearTheirMedian) {
    std::vector<double> x, y;
    for (int i = 0; i < 2000; ++i) {
        x.push_back(i % 700 + (i * 7919) % 13 * 0.1);
        y.push_back(3 * x.back() + (i * 104729) % 101 - 50 + (i % 97 == 0 ? 5000 : 0));
    }
    const RobustLine line = fitRobustLine(x, y);
    ASSERT_TRUE(line.drawn());
    EXPECT_FALSE(line.exact);
    EXPECT_EQ(fitRobustLine(x, y).slope, line.slope);
    std::vector<double> slopes;
    for (size_t i = 0; i < x.size(); ++i)
        for (size_t j = i + 1; j < x.size(); ++j)
            if (x[i] != x[j])
                slopes.push_back((y[j] - y[i]) / (x[j] - x[i]));
    const double below = double(
        std::count_if(slopes.begin(), slopes.end(), [&](double s) { return s < line.slope; }));
    EXPECT_NEAR(below / double(slopes.size()), 0.5, 0.01);
    EXPECT_EQ(std::count(line.outlier.begin(), line.outlier.end(), true), 21);
}

} // namespace
} // namespace wed
