#include "data/robust_line.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace wed {
namespace {

// The median of the values, reordering them: the middle one, or the mean of the two middle.
double medianOf(std::vector<double>& values) {
    const size_t half = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(half), values.end());
    const double upper = values[half];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(half));
    return lower / 2 + upper / 2;
}

// A small generator of our own (splitmix64): the same numbers from the same seed on every
// standard library, which std's distributions do not promise.
class FixedRandom {
  public:
    size_t below(size_t bound) { return size_t(next() % bound); }

  private:
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint64_t state_ = 20261208;
};

std::vector<double> allSlopes(std::span<const double> x, std::span<const double> y) {
    std::vector<double> slopes;
    for (size_t i = 0; i < x.size(); ++i)
        for (size_t j = i + 1; j < x.size(); ++j)
            if (x[i] != x[j])
                slopes.push_back((y[j] - y[i]) / (x[j] - x[i]));
    return slopes;
}

// Pairs drawn until the sample is full, of different x; at most a bounded number of draws,
// for points that nearly all share one x.
std::vector<double> sampledSlopes(std::span<const double> x, std::span<const double> y) {
    std::vector<double> slopes;
    slopes.reserve(kSlopeSample);
    FixedRandom random;
    for (size_t draw = 0; draw < 64 * kSlopeSample && slopes.size() < kSlopeSample; ++draw) {
        const size_t i = random.below(x.size()), j = random.below(x.size());
        if (x[i] != x[j])
            slopes.push_back((y[j] - y[i]) / (x[j] - x[i]));
    }
    return slopes;
}

} // namespace

double RobustLine::distance(size_t point) const {
    return std::abs(residuals[point] - middle);
}

RobustLine fitRobustLine(std::span<const double> x, std::span<const double> y) {
    RobustLine line;
    const size_t n = x.size();
    if (n < 3)
        return line;
    const auto [low, high] = std::minmax_element(x.begin(), x.end());
    if (*low == *high) {
        line.missing = RobustLine::Missing::AllXEqual;
        return line;
    }
    line.missing = RobustLine::Missing::None;
    line.exact = n * (n - 1) / 2 <= kExactPairs;
    std::vector<double> slopes = line.exact ? allSlopes(x, y) : sampledSlopes(x, y);
    line.slope = medianOf(slopes);
    std::vector<double> work(n);
    for (size_t i = 0; i < n; ++i)
        work[i] = y[i] - line.slope * x[i];
    line.intercept = medianOf(work);
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept)) {
        line.missing = RobustLine::Missing::TooLarge;
        return line;
    }
    line.residuals.resize(n);
    for (size_t i = 0; i < n; ++i)
        line.residuals[i] = y[i] - (line.intercept + line.slope * x[i]);
    work = line.residuals;
    line.middle = medianOf(work);
    double largest = 0;
    for (size_t i = 0; i < n; ++i) {
        work[i] = line.distance(i);
        largest = std::max(largest, std::abs(y[i]));
    }
    line.mad = medianOf(work);
    // A point on the line may miss it by a rounding: that is no spread, and no outlier.
    const double reach = std::max(3 * 1.4826 * line.mad, 1e-12 * largest);
    line.outlier.resize(n);
    for (size_t i = 0; i < n; ++i)
        line.outlier[i] = line.distance(i) > reach;
    return line;
}

} // namespace wed
