#include "window/form1.h"
#include "window/text_boxes.h"

namespace wed {

// Every change of a field's text, typed, picked or set by the program. While the document's
// gate is open it rewrites the field's key line in the file the item came from.
void Form1::fieldEdited(CategoryId category, int field, EditKind kind) {
    report(document_.setFieldText(category, field,
                                  fieldText(fields_[size_t(category)][size_t(field)]), kind));
}

} // namespace wed
