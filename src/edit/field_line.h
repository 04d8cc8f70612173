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
// Any typed text holding a control character other than tab (U+0000 to U+001F, U+007F) or the
// invisible U+FEFF is refused too; line breaks have their own refusal.
FieldLine fieldLine(const FieldSpec& field, QStringView text);

// The refusal of a typed text that holds a control character other than tab, CR and LF, or
// U+FEFF (detail: "U+0018"), or done. Bytes already in a file are never judged by it.
Outcome refuseControlCharacters(QStringView text);

} // namespace wed
