#pragma once

#include "data/item_fields.h"
#include "rules/rules.h"

#include <QString>

namespace wed {

// How a cell sorts: numbers by number, other text as text, and a key the record lacks (or a
// computed column that gives nothing) after everything, whichever way the column is sorted.
struct SortKey {
    enum class Group { Number, Text, Missing };
    Group group = Group::Missing;
    double number = 0;
    QString text;
};

// A cell's key: a number field's (or a pair's, by its first number) value when it reads as a
// number, else its text; a text field's text.
SortKey sortKeyOf(const QString& text, ValueType type);
// A computed cell's key: its number, nothing, or its words (an error's too).
SortKey sortKeyOf(const ColumnValue& value);
// The order of keys: numbers, then texts, then what is missing.
bool lessKey(const SortKey& a, const SortKey& b);

} // namespace wed
