#pragma once

#include "base/category.h"
#include "data/item_fields.h"

#include <QString>

namespace wed {

// The format's words in the interface's language. The tables below keep their Chinese (marked
// for the translation where they are written); they are translated only here, above the core.

// The category's word, for titles, messages and the category box's tooltips; the box itself
// shows `word`, which its handler compares, in every language.
QString shownWord(const Category& category);
// The caption, for labels, headings and history lines. `caption` itself stays the Chinese: a
// sheet's column headings are those, in every language.
QString shownCaption(const FieldSpec& field);
// The name of one of a pair's two numbers (half 0 or 1), for a table's headings.
QString shownHalfCaption(const FieldSpec& field, int half);
// A choice entry's translation, shown beside it (a tooltip); the entry stays as written.
QString shownChoice(const QString& entry);

} // namespace wed
