#pragma once

#include "base/outcome.h"
#include "game/game_data.h"

#include <QString>

namespace wed {

// An output file (a sheet, a patch, a patch's rejects) must not be one of a game folder's own
// files: weapon.cfg, the name file (also where a missing one would be) or a picture, however
// its path is spelt (letter case, "..", links). Status::OutputIsGameFile for such a path,
// before anything is written; done for any other.
Outcome refuseGameFileAsOutput(const QString& path, const GameData& game);

} // namespace wed
