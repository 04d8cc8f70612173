#pragma once

#include "base/outcome.h"

#include <QString>
#include <optional>

namespace wed {

// What a text typed over several cells of a table column asks for. "*1.1" multiplies each
// cell's number by 1.1, "+5" adds 5 and "-5" takes 5 away; a text that begins with "=" is the
// rest of it, written as it is ("=-5" writes -5); any other text is written as it is.
struct CellInput {
    enum class Kind { Text, Multiply, Add };
    Kind kind = Kind::Text;
    QString text;       // Text: what every cell gets
    double operand = 0; // Multiply, Add: the factor or the amount (negative to take away)
};

// None when a sign is followed by something that is not a number (`why`, when given, gets
// Status::CellNotANumber), or by a number a double cannot hold exactly: 2^53 or more
// (Status::NumberTooLarge).
std::optional<CellInput> readCellInput(const QString& typed, Status* why = nullptr);

// A cell's new text under the input. Arithmetic needs a value made of numbers separated by
// blanks (a pair is two); each changes, keeping the blanks between them and the number of
// decimals it had, halves rounded away from zero. None when the value is no such thing
// (Status::CellNotANumber in `why`), or when one of its numbers or their results is 2^53 or
// more, whose digits a double would lose (Status::NumberTooLarge).
std::optional<QString> applyCellInput(const QString& value, const CellInput& input,
                                      Status* why = nullptr);

} // namespace wed
