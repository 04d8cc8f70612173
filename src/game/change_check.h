#pragma once

#include "game/change_set.h"

#include <vector>

namespace wed {

// What a change set says of itself, before any folder is looked at: a text typed into a field
// that its rules refuse; a set that writes a line break into a file, changes one thing twice,
// or gives a record a text of another item cannot be made as it says, and applied twice would
// not leave the files as the first left them. The plan begins with it, the typed texts first
// in the set's order: a text its field refuses is refused whatever the folder holds. A caller
// that lists every refused text (the sheet import) asks it of each change alone.
struct SetCheck {
    Outcome outcome;
    qsizetype refusedAt = -1;   // the change refused
    qsizetype contradicts = -1; // ChangedTwice: the earlier change of the same thing
    bool valueRefused = false;  // the refusal is of a typed text, by its field's rules
    // Per change, when the set has typed ones: the key line a typed change's field makes of its
    // text (empty for the others, and for a key that is no field, which the plan refuses).
    std::vector<QByteArray> typedLines;
};
SetCheck checkChangeSet(const ChangeSet& changes);

} // namespace wed
