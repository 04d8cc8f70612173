#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace wed {

// The numeric value of a text: blanks, tabs and line feeds anywhere in it are skipped, then a
// leading number (sign, digits, one decimal point, exponent) is read; reading stops at the
// first character that cannot continue the number. A text without a leading number is 0.
// A number too large for a double comes back infinite; callers that write it must refuse it.
double numericValue(QStringView text);

// True when the whole text is one decimal number: an optional sign, digits with at most one
// decimal point (at least one digit), and an optional exponent; no blank, nothing else.
bool isNumber(QStringView text);
// The same of ASCII text, as a file has it (a byte of 128 or more is no part of a number).
bool isNumber(QByteArrayView ascii);

} // namespace wed
