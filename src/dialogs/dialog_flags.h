#pragma once

#include <QFileDialog>
#include <cstdint>

#include "dialogs/boolean16.h"

namespace wed {

// Flags of the system's file dialog record, as the toolkit sets them.
inline constexpr std::uint32_t OFN_READONLY = 0x1;
inline constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x200;
inline constexpr std::uint32_t OFN_EXPLORER = 0x80000;

// ReadOnly selects the read-only flag, else multiple selection; OldStyle selects multiple
// selection, else the Explorer style. So (false, false) is 0x80200 and (true, true) 0x201.
std::uint32_t dialogFlags(Boolean16 readOnly, Boolean16 oldStyle);

// How a Qt file dialog carries out those flags.
struct QtDialogSetup {
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
    QFileDialog::Options options;
};

// The record asks neither for an existing file nor for an overwrite prompt, so the open dialog
// takes any name unless several files may be chosen, and the save dialog never asks. Without
// the Explorer flag the dialog is the toolkit's own rather than the platform's native one.
QtDialogSetup qtDialogSetup(std::uint32_t flags, bool save);

} // namespace wed
