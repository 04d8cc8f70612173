#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace wed {

// A straight line through points that the points far from it do not pull (Theil–Sen): its
// slope is the median of the slopes between pairs of points of different x, its intercept the
// median of y - slope * x. The points far from it are those whose residual (y minus the line)
// lies more than 3 scaled median absolute deviations (1.4826 * MAD) from the residuals'
// median. Callers pass the points in the axes' scale (logarithms on a logarithmic axis).
//
// Up to kExactPairs pairs the slope is the exact median of all of them. Beyond, it is the
// median of kSlopeSample pairs drawn by a generator with a fixed seed: the same line on every
// run and platform, computed in time linear in the sample, not in n².
struct RobustLine {
    enum class Missing {
        None,           // the line was drawn
        FewerThanThree, // fewer than 3 points: nothing to tell an outlier from
        AllXEqual,      // every point has the same x: no slope
        TooLarge,       // the values are too large for the arithmetic of a double
    };
    Missing missing = Missing::FewerThanThree;
    double slope = 0;
    double intercept = 0;
    bool exact = true; // the slope is the median of every pair's, not of a sample
    // Per point, in the order given; empty without a line.
    std::vector<double> residuals;
    double middle = 0;         // the residuals' median (0 but for roundings)
    double mad = 0;            // median absolute deviation of the residuals
    std::vector<bool> outlier; // beyond 3 * 1.4826 * mad from the middle

    bool drawn() const { return missing == Missing::None; }
    // How far a point lies from the line, as the outlier test measures it.
    double distance(size_t point) const;
};

constexpr size_t kExactPairs = 50000;
constexpr size_t kSlopeSample = 50000;

// x and y hold one point each per index, finite; they are the same length.
RobustLine fitRobustLine(std::span<const double> x, std::span<const double> y);

} // namespace wed
