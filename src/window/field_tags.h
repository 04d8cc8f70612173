#pragma once

#include <QWidget>

namespace wed {

// Each field keeps the line number of its key line in the item shown, and each skill-cost label
// its cost, in the control's tag: a dynamic property, so the state stays with its control.
inline constexpr char kTag[] = "Tag";

inline int fieldLineNumber(const QWidget* field) {
    return field->property(kTag).toInt();
}
inline void setFieldLineNumber(QWidget* field, int lineNumber) {
    field->setProperty(kTag, lineNumber);
}

} // namespace wed
