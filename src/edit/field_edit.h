#pragma once

#include "base/line_buffer.h"
#include "data/item_fields.h"

#include <QString>
#include <QStringView>

namespace wed {

enum class EditStatus {
    Ignored,        // gate closed or no line number: nothing written, nothing to show
    Written,        // the line is on disk and the buffer follows the file
    Refused,        // the text cannot be written (range, size, code page) or the file refused
    ExternalChange, // weapon.cfg was changed by another program: reload buffers, list, view
};

struct EditOutcome {
    EditStatus status = EditStatus::Ignored;
    QString message; // Chinese; shown to the user unless empty

    bool reloadNeeded() const { return status == EditStatus::ExternalChange; }
};

// Everything a field editor or choice field does when its text changes. With the edit gate
// closed, or without a line number (lineNumber < 1) for the item shown, nothing happens.
// Otherwise the field's new line is built from its text and committed on line lineNumber of
// the item data file; `items` (the weapon.cfg line buffer) follows the file.
EditOutcome editFieldLine(bool gateOpen, const FieldSpec& field, QStringView text,
                          qsizetype lineNumber, const QString& itemFilePath, LineBuffer& items);

} // namespace wed
