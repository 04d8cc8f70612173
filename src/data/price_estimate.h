#pragma once

#include "data/skill_costs.h"

#include <QString>
#include <QStringView>

namespace wed {

// The price range an implant is worth, as the text of the price box: the low figure, " ～ ",
// the high figure, each in the price mask. The low end takes the `count` cheapest attribute
// kinds at the lowest value of `range`, the high end the dearest kinds at the highest value,
// each on top of the base price `cost`. `range` holds the lowest and the highest value
// separated by a blank within its first 20 characters. Every text is read with numericValue.
//
// When no estimate is possible the box says so instead of showing figures that look like a
// price: "？ ～ ？". That is the case when the count is not exactly 1 to 5, or the range has
// no blank in its first 20 characters. A single figure that is not finite (a text such as
// "1e999") is shown as "？" in its place.
QString estimatePrice(QStringView cost, QStringView count, QStringView range,
                      const SkillCosts& skillCosts);

// A figure in the price mask "####'####": rounded to a whole number, halves away from zero
// (2.5 → 3, −2.5 → −3); its digits fill the places from the right with the apostrophe between
// the fourth and the fifth, digits beyond the eighth in front; a negative figure is preceded by
// "-". So 12345 is "1'2345", 800 is "'800", 0 is "'" and 123456789 is "12345'6789".
QString priceMask(double figure);

inline constexpr QStringView kPriceSeparator = u" ～ ";
inline constexpr QStringView kNoFigure = u"？";

} // namespace wed
