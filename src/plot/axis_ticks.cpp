#include "plot/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace wed {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool ordered(AxisRange range) {
    return std::isfinite(range.low) && std::isfinite(range.high) && range.low <= range.high;
}

// Ten to an integer power, the double nearest to it: a product of exact powers, one division of
// 1 by one, or beyond those the literal read. std::pow of some C libraries (the one Windows
// programs link) is a last bit off for negative powers, and 0.01 would not be 0.01.
double powerOfTen(int n) {
    if (n < -22 || n > 22) { // read as the literal "1eN" is, correctly rounded
        char text[16];
        std::snprintf(text, sizeof text, "1e%d", n);
        return std::strtod(text, nullptr);
    }
    double power = 1;
    for (int i = 0; i < std::abs(n); ++i)
        power *= 10; // exact up to 1e22
    return n < 0 ? 1 / power : power;
}

// 1, 2, 5 or 10 times a power of ten, the smallest not below `raw`; 0 where there is none.
double roundStep(double raw) {
    if (!(raw > 0) || !std::isfinite(raw))
        return 0;
    // The logarithm may be a last bit off either way (it is on Windows): the power is checked.
    int exponent = int(std::floor(std::log10(raw)));
    if (powerOfTen(exponent) > raw)
        --exponent;
    else if (powerOfTen(exponent + 1) <= raw)
        ++exponent;
    const double power = powerOfTen(exponent);
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        const double step = factor * power;
        // The power itself may be a rounding of the logarithm: never a step below `raw`.
        if (step >= raw * (1 - 1e-12) && std::isfinite(step))
            return step;
    }
    return 5 * power; // ten times the power is beyond the largest double
}

// The multiples of `step` inside the range; the steps between them a fine range cannot hold
// apart are left out (the same value twice).
std::vector<double> multiplesOf(double step, AxisRange range, int most) {
    std::vector<double> ticks;
    const double first = std::ceil(range.low / step);
    const double last = std::floor(range.high / step);
    // Counted, not stepped: far from zero, k + 1 may be k itself; and first + 0 is never -0.
    for (int i = 0; i <= most + 1 && first + i <= last; ++i) {
        const double value = (first + i) * step;
        if (ticks.empty() || value > ticks.back())
            ticks.push_back(value);
    }
    return ticks;
}

} // namespace

double axisPosition(double value, AxisScale scale) {
    if (scale == AxisScale::Linear)
        return value;
    return value > 0 ? std::log10(value) : kNaN;
}

double axisValue(double position, AxisScale scale) {
    return scale == AxisScale::Linear ? position : std::pow(10.0, position);
}

std::vector<double> linearTicks(AxisRange range, int most) {
    if (!ordered(range))
        return {};
    if (range.low == range.high)
        return {range.low};
    most = std::max(most, 2);
    // Each end divided first, so that a span beyond the largest double does not overflow.
    const double step = roundStep(range.high / (most - 1) - range.low / (most - 1));
    if (step == 0)
        return {range.low};
    std::vector<double> ticks = multiplesOf(step, range, most);
    if (int(ticks.size()) > most) // the rounding of a step near a power of ten
        ticks = multiplesOf(roundStep(step * 1.5), range, most);
    return ticks;
}

std::vector<double> logTicks(AxisRange range, int most) {
    if (!ordered(range) || !(range.low > 0))
        return {};
    most = std::max(most, 2);
    const int firstPower = int(std::ceil(std::log10(range.low) - 1e-9));
    const int lastPower = int(std::floor(std::log10(range.high) + 1e-9));
    std::vector<double> ticks;
    if (lastPower - firstPower + 1 >= 2) {
        const int every = (lastPower - firstPower + most) / most;
        for (int power = firstPower; power <= lastPower; ++power)
            if (((power % every) + every) % every == 0)
                ticks.push_back(powerOfTen(power));
        return ticks;
    }
    // Within about one decade: 1, 2 and 5 times its powers, if they are enough and not many.
    const double slack = (range.high - range.low) * 1e-9;
    for (int power = firstPower - 1; power <= lastPower; ++power)
        for (const double factor : {1.0, 2.0, 5.0})
            if (const double value = factor * powerOfTen(power);
                value >= range.low - slack && value <= range.high + slack)
                ticks.push_back(value);
    if (ticks.size() >= 2 && int(ticks.size()) <= most)
        return ticks;
    return linearTicks(range, most);
}

std::vector<double> axisTicks(AxisRange range, AxisScale scale, int most) {
    return scale == AxisScale::Log ? logTicks(range, most) : linearTicks(range, most);
}

AxisRange homeRange(double low, double high, AxisScale scale) {
    if (scale == AxisScale::Log) {
        if (!(low > 0) || !(high >= low))
            return {1, 10};
        const double from = std::log10(low);
        const double to = std::log10(high);
        const double pad = from == to ? 0.2 : (to - from) * 0.05;
        return {std::pow(10.0, from - pad), std::pow(10.0, to + pad)};
    }
    if (!ordered({low, high}))
        return {0, 1};
    if (low == high) {
        const double pad = low == 0 ? 1 : std::abs(low) * 0.1;
        return {low - pad, high + pad};
    }
    const double pad = high / 20 - low / 20;
    const AxisRange padded{std::max(low - pad, -std::numeric_limits<double>::max()),
                           std::min(high + pad, std::numeric_limits<double>::max())};
    // Rounded out to a step finer than the ticks': out to the next tick, a step of a fifth of
    // the span could leave a quarter of the axis empty.
    const std::vector<double> ticks = linearTicks(padded, 12);
    if (ticks.size() < 2)
        return padded;
    const double step = ticks[1] - ticks[0];
    double from = std::floor(padded.low / step) * step;
    double to = std::ceil(padded.high / step) * step;
    // Values on one side of zero are not shown across it (prices below zero mean nothing).
    if (low > 0)
        from = std::max(from, 0.0);
    if (high < 0)
        to = std::min(to, 0.0);
    return {std::isfinite(from) ? from : padded.low, std::isfinite(to) ? to : padded.high};
}

QString tickLabel(double value, double step) {
    const double size = std::abs(value);
    if (value == 0)
        return QStringLiteral("0");
    if (size >= 1e7 || size < 1e-4)
        return QString::number(value, 'g', 6);
    const int decimals = step >= 1 ? 0 : std::min(10, int(std::ceil(-std::log10(step) - 1e-9)));
    return QString::number(value, 'f', decimals);
}

} // namespace wed
