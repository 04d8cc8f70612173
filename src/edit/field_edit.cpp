#include "edit/field_edit.h"

#include "edit/field_line.h"
#include "edit/write_line.h"

namespace wed {

EditOutcome editFieldLine(bool gateOpen, const FieldSpec& field, QStringView text,
                          qsizetype lineNumber, const QString& itemFilePath, LineBuffer& items) {
    // The gate is closed while the program itself fills the fields; a field without a line
    // number has no key line in the item shown, so there is nothing it could replace.
    if (!gateOpen || lineNumber < 1)
        return {};
    const FieldLine line = fieldLine(field, text);
    if (!line.accepted)
        return {EditStatus::Refused, line.message};
    const FileOutcome outcome = commitLine(itemFilePath, items, lineNumber, line.line);
    switch (outcome.status) {
    case FileStatus::Written:
        return {EditStatus::Written, {}};
    case FileStatus::ExternalChange:
        return {EditStatus::ExternalChange, outcome.message};
    default:
        return {EditStatus::Refused, outcome.message};
    }
}

} // namespace wed
