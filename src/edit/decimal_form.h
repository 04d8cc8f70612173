#pragma once

#include <QString>

namespace wed {

// The plain decimal text of a number as it is written into weapon.cfg: "-" for a negative
// number, no "+", no exponent, no leading zeros in the integer part, a decimal point only when
// there is a fraction, no trailing zeros after it, at most 15 significant digits (rounded).
// Negative zero and anything that rounds to it are written "0". A number that is not finite
// has no decimal form: the result is empty, and callers refuse such a value before writing.
QString decimalForm(double value);

} // namespace wed
