#include "edit/field_edit.h"
#include "window/field_tags.h"
#include "window/form1.h"

#include <QListWidget>

namespace wed {

// Every change of a field's text, typed or set by the program. While the edit gate is 1 the
// field's key line is rewritten in weapon.cfg at once and Text00 follows the file.
void Form1::fieldTextChanged(const FieldSpec& field) {
    const EditOutcome outcome =
        editFieldLine(editGate() == 1, field, textOf(field.control),
                      fieldLineNumber(fieldWidget(field.control)), itemFilePath(), itemBuffer());
    if (!outcome.message.isEmpty())
        message(outcome.message);
    if (outcome.reloadNeeded())
        reloadAfterExternalChange();
}

// weapon.cfg was changed by another program: nothing was written. Reload both files and the
// list, and show the same entry again from what the file now says.
void Form1::reloadAfterExternalChange() {
    const int row = itemList()->currentRow();
    const QString id = row >= 0 ? itemList()->item(row)->text() : QString();
    File2_Click();
    if (row >= 0 && row < itemList()->count() && itemList()->item(row)->text() == id)
        itemList()->setCurrentRow(row); // runs the item selection
    else
        setEditGate(0); // the item is gone: nothing shown is live any more
}

} // namespace wed
