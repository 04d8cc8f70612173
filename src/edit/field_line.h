#pragma once

#include "base/outcome.h"
#include "data/item_fields.h"

#include <QByteArray>
#include <QStringView>

namespace wed {

// The key line a field's text stands for, or why the text cannot be written.
struct FieldLine {
    QByteArray line; // the whole new line in the file's code page, key included, no line end
    Outcome outcome; // Done, or the value's refusal

    bool accepted() const { return outcome.done(); }
};

// Builds the new line of one field from its text, by the field's kind:
// Numeric: key + decimal form of the numeric value. Verbatim: key + the whole text.
// ClassChoice: the numeric value must lie in 0..5 (checked before the fraction is dropped,
// else ClassOutOfRange), key + its integer part. AmmoChoice: a list entry (a label of three
// non-ASCII characters, a blank, the name) gives characters 5 to 34; any other text is a bare
// name and is written whole, uncut. BulletChoice: key + integer part of the numeric value.
// Refused: a number too large for a double, a line break in the value, a character the file's
// code page cannot hold.
FieldLine fieldLine(const FieldSpec& field, QStringView text);

} // namespace wed
