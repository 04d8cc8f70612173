#pragma once

#include "base/line_buffer.h"
#include "base/outcome.h"
#include "data/item_fields.h"

#include <QStringView>
#include <optional>

namespace wed {

// What the folder check reports of a key's value by what the game reads from it: a number
// that is not one (NotANumber), a pair without the blank between its numbers
// (PairWithoutBlank) or with a part that is no number, a class that is not one digit from 0
// to 5 (ClassNotDigit). None for a fine value, a text, and a menu picture number, which is
// judged by the pictures it names.
std::optional<Status> valueProblem(ValueType type, QStringView value);

// True when the game reads both texts as the same numbers: the type is read as numbers (a
// number, a pair, the menu picture number, the class) and each text is that many numbers
// whose values are equal ("070" and "70", "1.50" and "1.5", "01000012" and "1000012"). A
// spreadsheet writes a number-like cell back in its own form; such a cell changes nothing.
bool sameNumbers(ValueType type, QStringView a, QStringView b);

// LoneLineBreak when the line at the index holds a lone CR or LF (line: its number from 1,
// detail: its text before the break), else done. Such a key line may be two lines to other
// programs: a field that rewrote it would take the second with it, so no typed value is
// written to it (typing, set, the table, import), and the check reports it.
Outcome loneLineBreakIn(const LineBuffer& lines, qsizetype index, const QString& path);

} // namespace wed
