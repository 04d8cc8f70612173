#pragma once

#include "game/game_data.h"

namespace wed {

// A recipe's change set as the file's values, for a preview and a listing: each typed key
// change as the value on its key line now and the value the field's rules write there, left
// out when they are the same; the other changes as they are. `game` is the folder the recipe
// ran on.
ChangeSet valueChanges(const GameData& game, const ChangeSet& changes);

} // namespace wed
