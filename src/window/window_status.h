#pragma once

#include "base/outcome.h"

#include <QString>

namespace wed {

// What the window itself refuses: a folder or drive it cannot browse, a choice the user has not
// made yet, a table selection it cannot edit. The model's statuses are in base/outcome.h, worded
// in src/app; these are the window's own, worded here.
enum class WindowStatus {
    FolderMissing,    // path: a folder that does not exist
    FolderUnreadable, // path: the folder
    NoItemFile,       // path: a folder without weapon.cfg
    DriveNotReady,    // path: the drive's root
    NoFileChosen,     // no weapon.cfg is selected in the folder
    UnknownCategory,  // the category box holds none of the three words
    ColumnsMixed,     // the cells chosen stand in more than one column
    NoBaseFolder,     // a patch of the changes needs the base they are changes against
};

struct WindowRefusal {
    WindowStatus status;
    QString path;
    Effect effect = Effect::NothingWritten; // what it means for the files and the list
};

// The user's words for it, in the interface's language.
QString describe(const WindowRefusal& refusal);

} // namespace wed
