#pragma once

#include "base/outcome.h"
#include "game/game_data.h"
#include "merge/mod_merge.h"
#include "merge/mod_read.h"

#include <QString>
#include <vector>

namespace wed {

// Why a mod list or its output folder is refused before anything is read or written.
enum class MergeInputFault {
    None,
    SameMod,     // `path`: two mods of the list are the same folder or file (`other` the second)
    ModIsBase,   // `path`: a mod is the base folder itself
    OutNotEmpty, // `path`: the output folder exists and is not empty (or is a file)
    OutInside,   // `path`: the output folder is, or is inside, an input (`other`)
};

struct MergeInputCheck {
    MergeInputFault fault = MergeInputFault::None;
    QString path;
    QString other;
    bool ok() const { return fault == MergeInputFault::None; }
};

// The list's own faults: a mod twice, or the base as a mod (paths compared as the system
// resolves them: letter case on Windows, "..", links).
MergeInputCheck checkModList(const QString& base, const std::vector<ModSource>& mods);
// An output folder for the merge: new, or an empty folder, and not inside an input.
MergeInputCheck checkMergeOutput(const QString& out, const QString& base,
                                 const std::vector<ModSource>& mods);

// The merged game folder's files, in memory: the base's weapon.cfg and Text/Weapon.txt with the
// merged set applied, and the base's Images/weapon with the pictures the mods win. Nothing
// else of the base. None (with the plan's refusal) when the base refuses the merged set.
struct MergedFiles {
    QByteArray items;
    QByteArray names;
    bool hasNames = false; // the base has a name file
    // Images/weapon: per file name, its bytes, in name order (the base's, then the mods').
    std::vector<std::pair<QString, QByteArray>> pictures;
    Outcome outcome;
};
MergedFiles mergedFiles(const GameData& base, const MergeResult& result);

// Writes the merged files into `out` (made when missing): weapon.cfg, Text/Weapon.txt and
// Images/weapon/*, each atomically, the folder names as the base spells them. When one
// cannot be written, everything this call wrote is removed again, the folders it made too,
// and the write's refusal is returned: nothing is left behind.
Outcome writeMergedFolder(const GameData& base, const MergedFiles& files, const QString& out);

} // namespace wed
