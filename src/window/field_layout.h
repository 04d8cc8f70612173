#pragma once

#include "base/category.h"
#include "window/control_layout.h"

#include <QString>
#include <vector>

namespace wed {

// Where one field of a category panel stands and what helps the user with it: the control
// that shows it, its label, the frame that holds both, their rectangles and hover help. Joined
// to the file format's field table by the key.
struct FieldLayout {
    const char* key;       // the key literal of the format's table, e.g. "Add_level="
    const char* control;   // object name of the text or choice box
    const char* label;     // object name of its label
    const char* container; // object name of its frame: a category's panel or the weapon pairs
    TwipsRect labelRect;
    TwipsRect fieldRect;
    const char* labelHelp; // hover help of the label (null for none), source text of shownHelp
    const char* fieldHelp; // hover help of the field itself (null for none)
};

// The layout of each field of the category, in the order of the format's field table.
const std::vector<FieldLayout>& fieldLayouts(CategoryId category);
// A hover help in the interface's language; empty for none.
QString shownHelp(const char* help);
// The frame that shows the category's fields.
Control panelOf(CategoryId category);
// The category and field index of the control of that object name; false when none.
bool fieldOfControl(const char* control, CategoryId& category, int& field);

} // namespace wed
