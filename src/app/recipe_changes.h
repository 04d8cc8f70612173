#pragma once

#include "game/game_data.h"

namespace wed {

// A recipe's change set as the file's values, for a preview, a listing and a patch: each typed
// key change as the value on its key line now and the value the field's rules write there,
// taken from the plan of the recipe's changes (`plan`, made by GameData::plan on the folder the
// recipe ran on), and left out when they are the same; the other changes as they are.
ChangeSet valueChanges(const ChangeSet& changes, const ApplyPlan& plan);

// Which line of its key each key change writes (the last one, as typing does), as a patch
// names it; `game` is the folder as it was.
void numberKeyLines(const GameData& game, ChangeSet& values);

} // namespace wed
