#pragma once

#include "game/game_data.h"

#include <array>
#include <vector>

namespace wed {

// One step of the history: the byte changes it made to each file, kept so that undoing it
// gives back the former bytes exactly. What a front end shows of a step it keeps itself.
class Step {
  public:
    explicit Step(std::array<Splices, 2> changes) : changes_(std::move(changes)) {}

    // Writes the other side of the step: undoes it when its changes stand in the files, redoes
    // it when they do not. One function serves both, so that undo and redo cannot drift apart;
    // a refused write leaves the step on the side it was.
    Outcome swap(GameData& game, FilesChanged* changed = nullptr);
    // Takes the next step into this one, which then makes both changes.
    void mergeWith(const Step& next);
    // Whether the step changes no byte: a merged run that ends where it started.
    bool isObsolete() const;

  private:
    std::array<Splices, 2> changes_;
    bool done_ = true;
};

// The history of the changes written to a game folder. A move writes the files' bytes of the
// other side of a step through the model, guarded like every write; a refused move leaves
// the history where it was.
class History {
  public:
    // What became of a recorded step.
    enum class Recorded {
        Added,   // a step of its own, after the one the history stood after
        Merged,  // taken into the last step
        Dropped, // it, or the last step it was merged into, changes no byte: no step
    };
    // Adds the step of a change just written, after the steps the history stands after (those
    // after them go), or merges it into the last when the caller says it continues that one.
    Recorded record(Step step, bool continuesLast);
    void clear();

    int index() const { return index_; }
    int count() const { return int(steps_.size()); }
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < count(); }

    // One step back or forward; Ignored when there is none.
    Outcome undo(GameData& game, FilesChanged* changed = nullptr);
    Outcome redo(GameData& game, FilesChanged* changed = nullptr);

  private:
    std::vector<Step> steps_;
    int index_ = 0;
};

} // namespace wed
