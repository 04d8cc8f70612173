#pragma once

#include "data/item_fields.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace wed {

// The key line a field's text stands for, or why the text cannot be written.
struct FieldLine {
    bool accepted = false;
    QByteArray line; // the whole new line in the file's code page, key included, no line end
    QString message; // when refused: the Chinese message for the user

    static FieldLine refused(QString why) { return {false, {}, std::move(why)}; }
};

// The message of the weapon class range check, exactly as the user sees it.
inline const QString kClassRangeMessage = QStringLiteral("数据错误！");

// Builds the new line of one field from its text, by the field's kind:
// Numeric: key + decimal form of the numeric value. Verbatim: key + the whole text.
// ClassChoice: the numeric value must lie in 0..5 (checked before the fraction is dropped,
// else kClassRangeMessage), key + its integer part. AmmoChoice: a list entry (a label of
// three non-ASCII characters, a blank, the name) gives characters 5 to 34; any other text is a
// bare name and is written whole, uncut. BulletChoice: key + integer part of the numeric value.
// Refused: a number too large for a double, a line break in the value, a character the file's
// code page cannot hold.
FieldLine fieldLine(const FieldSpec& field, QStringView text);

} // namespace wed
