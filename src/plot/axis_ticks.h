#pragma once

#include <QString>
#include <vector>

namespace wed {

enum class AxisScale { Linear, Log };

// A closed range of values on an axis, low <= high.
struct AxisRange {
    double low = 0;
    double high = 1;
};

// Where a value stands on an axis of the scale: itself, or its decimal logarithm (NaN for a
// value a logarithmic axis cannot show), and back.
double axisPosition(double value, AxisScale scale);
double axisValue(double position, AxisScale scale);

// Tick values at round numbers (1, 2 or 5 times a power of ten) inside the range, in order,
// at most `most` of them (at least 2). A range of one value has that value as its one tick; a
// range that is not finite, or not ordered, has none.
std::vector<double> linearTicks(AxisRange range, int most);
// For a range of positive values: powers of ten (every second, fifth, ... one when there are
// more than `most`), or 1, 2 and 5 times them when fewer than two powers fall inside, or else
// the linear ticks.
std::vector<double> logTicks(AxisRange range, int most);
std::vector<double> axisTicks(AxisRange range, AxisScale scale, int most);

// The range an axis shows first for values from low to high: a little wider than the values,
// a linear one rounded out to a round step and not across zero; one value is widened around
// itself.
AxisRange homeRange(double low, double high, AxisScale scale);

// A tick's words: as many decimals as the step between ticks needs, an exponent for very
// large or small values.
QString tickLabel(double value, double step);

} // namespace wed
