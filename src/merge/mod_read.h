#pragma once

#include "base/outcome.h"
#include "game/folder_diff.h"
#include "game/game_data.h"
#include "merge/mod_merge.h"

#include <QString>
#include <vector>

namespace wed {

// A mod of a list: a game folder (a modded copy of the base) or a patch file made against it.
struct ModSource {
    enum Kind { Folder, Patch };
    QString path;
    Kind kind = Folder;

    bool operator==(const ModSource&) const = default;
};

// A path as a mod: a folder is a game folder, anything else a patch file.
ModSource modSourceAt(const QString& path);

// A mod read against the base: its changes (a folder's diff, or a patch's changes with those
// whose base values the base does not hold marked as made for another version), what of it
// cannot be carried, and a folder's pictures that differ from the base's. The outcome is the
// refusal of a mod that cannot be read: not a game folder (NoItemFile, FileMissing, ...), a
// malformed patch (a Patch... status with its line and column), a patch that contradicts itself.
struct ModRead {
    ModChanges mod;
    Outcome outcome;
};
ModRead readMod(const GameData& base, const ModSource& source, int index);

// Reads the mods of a list against one base: what a diff reads of the base is read once. The
// base must live, unchanged, while the reader is used.
class ModReader {
  public:
    explicit ModReader(const GameData& base) : diffBase_(base) {}
    ModRead read(const ModSource& source, int index) const;

  private:
    DiffBase diffBase_;
};

} // namespace wed
