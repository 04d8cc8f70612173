#pragma once

#include "base/category.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <vector>

namespace wed {

// How a field's typed text becomes the value written after its key.
enum class FieldKind {
    Numeric,      // the decimal form of the text's numeric value
    Verbatim,     // the whole text, unchanged
    ClassChoice,  // weapon class: integer part of the numeric value, 0 to 5
    AmmoChoice,   // ammunition: the name after the list entry's label
    BulletChoice, // projectile: integer part of the numeric value
};

// What the game reads from a key's value, apart from how its editor writes it.
enum class ValueType {
    Number,      // one number
    Pair,        // two numbers with a blank between them
    MenuPicture, // the eight-digit menu picture number, which names the item's pictures
    Text,        // any text
    ClassDigit,  // the weapon class: one digit from 0 to 5
};

// One key of a category's records that its editor shows as a field: the key literal, the
// field's name (a table column's heading and a history line's words), how typing writes it,
// what the game reads from it, and the entries of its choice list. The order of a category's fields
// is the order in which a record view tests a line against the keys. Where the field stands on
// screen is the window's own table, joined to this one by key.
struct FieldSpec {
    QString caption; // the field's name in Chinese, the source of what its label shows
    QByteArray key;  // the whole key literal with its "=", e.g. "Add_level="
    FieldKind kind;
    ValueType type = ValueType::Number; // what the game reads; a check goes by it
    QStringList choices;                // the entries a choice field offers; empty for text
    std::array<QString, 2> halves;      // a pair's two numbers' names, Chinese as `caption`

    bool choice() const { return kind != FieldKind::Numeric && kind != FieldKind::Verbatim; }
    // The key without its "=".
    QByteArrayView name() const { return QByteArrayView(key).chopped(1); }
};

// Where a record ends in weapon.cfg.
enum class EndRule {
    Separator,      // the exact line ";**************************"
    SemicolonStars, // any line beginning ";**"
};

// The format of one category's records and name records: where a record ends, which lines of
// its name record hold the name and the description (counted from 0 on the line after "<id>"),
// the key whose value names the picture, and the fields.
struct CategoryFields {
    CategoryId id;
    EndRule endRule;
    int nameLine;
    int firstDescriptionLine;
    QByteArray pictureKey; // "VidMENU="
    std::vector<FieldSpec> fields;
};

const CategoryFields& categoryFields(CategoryId id);
// The index of the category's field whose key is the text, with or without its "=" ("Cost",
// "Cost="), letter case as in the file; -1 when the category has no such field.
int fieldOfKey(CategoryId category, QStringView key);
// The index of the field that names the category's picture.
int pictureField(CategoryId category);

// The headings a category's sheet gives the item's reference and its name: data, the same in
// every language, which no column of the sheet or of the rules may take.
QString sheetItemHeading();
QString sheetNameHeading();

// The record separator that ends weapon and armor records.
inline constexpr char kRecordSeparator[] = ";**************************";

} // namespace wed
