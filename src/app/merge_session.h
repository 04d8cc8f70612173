#pragma once

#include "game/game_data.h"
#include "merge/merge_output.h"
#include "merge/mod_merge.h"
#include "merge/mod_read.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace wed {

// A merge being made in the window: the base folder and the mods in priority order, each mod
// read once and kept, the user's choices and the result. Moving or removing a mod merges again
// from what was read; a choice follows its mod wherever the mod moves.
// Why mods were not taken: one cannot be read, or the list would hold the base or a mod twice.
struct ModsRefused {
    Outcome read; // with the mod's path
    MergeInputCheck list;
    bool noBase = false; // mods were given before a base was read
    bool refused() const { return noBase || read.refused() || !list.ok(); }
};

class MergeSession {
  public:
    // Reads the base folder; on a refusal the session keeps its former base.
    Outcome setBase(const QString& folder);
    const GameData& base() const { return base_; }
    // The mods, lowest priority first. Each new one is read; on the first that cannot be read
    // (not a game folder, a malformed patch) or is not allowed in the list (the base itself, a
    // mod twice) the session keeps its former mods and says why.
    ModsRefused setMods(const QStringList& paths);
    const std::vector<ModSource>& mods() const { return sources_; }
    // Reads the base and every mod again, as they are on disk now; when a mod is refused now,
    // the list is left empty.
    ModsRefused reload();

    // The merge of the mods read, with the choices made.
    const MergeResult& result() const { return *result_; }
    // The same, kept alive for a view that shows it while the session merges again.
    std::shared_ptr<const MergeResult> sharedResult() const { return result_; }
    // Makes the mod's value the winner of the decision (a conflict), or takes the choice back.
    void choose(size_t decision, int mod);
    void unchoose(size_t decision);
    // The choices by conflict name and mod index, as a mod list file keeps them.
    MergeChoices choices() const;
    void setChoices(const MergeChoices& choices);

  private:
    ModsRefused readAgain();
    void merge();

    GameData base_;
    std::unique_ptr<ModReader> reader_; // what a diff reads of the base, read once
    std::vector<ModSource> sources_;
    std::vector<ModChanges> read_;   // each mod as it was read, in the list's order
    QHash<QString, QString> chosen_; // per conflict name, the path of the mod chosen
    std::shared_ptr<const MergeResult> result_ = std::make_shared<MergeResult>();
};

} // namespace wed
