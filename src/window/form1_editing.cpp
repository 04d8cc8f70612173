#include "window/form1.h"
#include "window/text_boxes.h"

namespace wed {

// Every change of a field's text, typed, picked or set by the program. While the gate is open
// and the item shown has the field's key line, the document rewrites that line in the file the
// item came from; a field without one has nothing it could replace.
void Form1::fieldEdited(CategoryId category, int field, EditKind kind) {
    const std::optional<ItemPanel>& panel = panels_[size_t(category)];
    if (!gate_.isOpen() || !panel || panel->fields[size_t(field)].lineNumber < 1)
        return;
    const QString text = fieldText(fieldWidgetOf(category, field));
    const QString shown = panel->texts[size_t(field)];
    const Outcome outcome = document_.setField(panel->item, field, text, shown, kind);
    if (outcome.done() && panels_[size_t(category)])
        panels_[size_t(category)]->texts[size_t(field)] = text;
    report(outcome);
}

} // namespace wed
