#pragma once

#include "base/category.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace wed {

// How a field's text becomes the value written after its key.
enum class FieldKind {
    Numeric,      // the decimal form of the text's numeric value
    Verbatim,     // the whole text, unchanged
    ClassChoice,  // weapon class: integer part of the numeric value, 0 to 5
    AmmoChoice,   // ammunition: the name after the list entry's label
    BulletChoice, // projectile: integer part of the numeric value
};

// A rectangle in twips (1/1440 inch), relative to the control's container.
struct TwipsRect {
    int left, top, width, height;
};

// One field of a category panel: the control that shows it, its label, the key line it
// stands for and where both sit. The order of a category's fields is the order in which the
// record view tests a line against the keys.
struct FieldSpec {
    const char* control; // object name of the text or choice box, e.g. "Text2"
    const char* label;   // object name of its label, e.g. "Label1"
    QString caption;     // the label's text
    QString labelHelp;   // hover help of the label (may be empty)
    QString fieldHelp;   // hover help of the field itself (may be empty)
    QByteArray key;      // the whole key literal with its "=", e.g. "Add_level="
    FieldKind kind;
    const char* container; // "Frame3", "Frame2" (the weapon pair frame), "Frame4", "Frame5"
    TwipsRect labelRect;
    TwipsRect fieldRect;
    QStringList choices; // list entries of a choice box; empty for a text box

    // The field holds a number: its editor writes the decimal form of a numeric value, or it
    // is the weapon class or the projectile. A check and a table view go by this mark.
    bool numeric() const {
        return kind == FieldKind::Numeric || kind == FieldKind::ClassChoice ||
               kind == FieldKind::BulletChoice;
    }
    // The field is one of the weapon's pairs: two numbers separated by a blank.
    bool pair() const { return qstrcmp(container, "Frame2") == 0; }
};

// Where a record ends in weapon.cfg, and where an item's name and description stand in its
// name record: counted from 0 on the line after "<id>".
enum class EndRule {
    Separator,      // the exact line ";**************************"
    SemicolonStars, // any line beginning ";**"
};

struct CategoryFields {
    CategoryId id;
    EndRule endRule;
    int nameLine;
    int firstDescriptionLine;
    const char* pictureControl; // the field holding the VidMENU value
    std::vector<FieldSpec> fields;
};

const CategoryFields& categoryFields(CategoryId id);
// The index of the category's field whose key is the text, with or without its "=" ("Cost",
// "Cost="), letter case as in the file; -1 when the category has no such field.
int fieldOfKey(CategoryId category, QStringView key);
// The field shown by the control of that object name, in any category; null if none.
const FieldSpec* fieldByControl(QStringView control);

// The record separator that ends weapon and armor records.
inline constexpr char kRecordSeparator[] = ";**************************";

} // namespace wed
