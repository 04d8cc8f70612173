#include "dialogs/dialog_flags.h"

namespace wed {

std::uint32_t dialogFlags(Boolean16 readOnly, Boolean16 oldStyle) {
    const std::uint32_t first = readOnly != 0 ? OFN_READONLY : OFN_ALLOWMULTISELECT;
    const std::uint32_t second = oldStyle != 0 ? OFN_ALLOWMULTISELECT : OFN_EXPLORER;
    return first | second;
}

QtDialogSetup qtDialogSetup(std::uint32_t flags, bool save) {
    QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
    // The description of a filter is shown as written, without its patterns.
    options |= QFileDialog::HideNameFilterDetails;
    if (flags & OFN_READONLY)
        options |= QFileDialog::ReadOnly;
    if (!(flags & OFN_EXPLORER))
        options |= QFileDialog::DontUseNativeDialog;

    if (save)
        return {QFileDialog::AcceptSave, QFileDialog::AnyFile, options};
    const bool several = flags & OFN_ALLOWMULTISELECT;
    return {QFileDialog::AcceptOpen, several ? QFileDialog::ExistingFiles : QFileDialog::AnyFile,
            options};
}

} // namespace wed
