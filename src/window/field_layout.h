#pragma once

#include "base/category.h"

#include <QString>
#include <vector>

namespace wed {

// A rectangle in twips (1/1440 inch), relative to the control's container.
struct TwipsRect {
    int left, top, width, height;
};

// Where one field of a category panel stands and what helps the user with it: the control
// that shows it, its label, the frame that holds both, their rectangles and hover help. Joined
// to the file format's field table by the key.
struct FieldLayout {
    const char* key;       // the key literal of the format's table, e.g. "Add_level="
    const char* control;   // object name of the text or choice box, e.g. "Text2"
    const char* label;     // object name of its label, e.g. "Label1"
    const char* container; // "Frame3", "Frame2" (the weapon pair frame), "Frame4", "Frame5"
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
const char* panelOf(CategoryId category);
// The category and field index of the control of that object name; false when none.
bool fieldOfControl(const char* control, CategoryId& category, int& field);

} // namespace wed
