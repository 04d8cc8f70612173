#pragma once

#include "game/change_set.h"

namespace wed {

// What a change set says of itself, before any folder is looked at: a set that writes a line
// break into a file, changes one thing twice, or gives a record a text of another item cannot
// be made as it says, and applied twice would not leave the files as the first left them.
struct SetCheck {
    Outcome outcome;
    qsizetype refusedAt = -1;   // the change refused
    qsizetype contradicts = -1; // ChangedTwice: the earlier change of the same thing
};
SetCheck checkChangeSet(const ChangeSet& changes);

} // namespace wed
