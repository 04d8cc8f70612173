#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QString>
#include <span>

namespace wed {

// One file the editor holds, and the bytes it is to hold next.
struct FileWrite {
    QString path;
    QByteArray held;  // what the editor last read from the file or wrote to it
    QByteArray bytes; // what the file is to hold
};

// Saves each file atomically, in the order given, once every one of them still holds exactly
// what the editor holds, while no other process of the editor saves into their folders (one
// that saves longer than savePatience() is waited for no longer: SaveBusy): another program's
// change is never overwritten (ExternalChange) and a write-protected file is refused (ReadOnly)
// before anything is written. A file whose bytes do not change is not saved. When a later file
// fails, the earlier ones get their held bytes back (Effect::FirstRestored), so that the files
// change together or not at all; should that too fail, the outcome says so (Effect::Reloaded: the
// editor must read the files again).
Outcome commitFiles(std::span<const FileWrite> writes);
Outcome commitFile(const FileWrite& write);

} // namespace wed
