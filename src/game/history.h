#pragma once

#include "game/game_data.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace wed {

// Where a step shows, on one side of it: the item (as it is named on that side), the field of
// its category whose text the step changed, and that text.
struct StepPlace {
    std::optional<ItemRef> item; // none: the step shows no item there (a removed one)
    int field = -1;              // -1: no field text to put back
    QString text{};
};

// A cell of a table edit: a field of an item, with its text on either side of the step.
struct StepCell {
    ItemRef item;
    int field = -1;
    QString before;
    QString after;
};

// One step of the history: the byte changes it made to each file, kept so that undoing it
// gives back the former bytes exactly, the line the history shows for it, and where it shows.
struct Step {
    std::array<Splices, 2> changes;
    QString text;
    StepPlace before;
    StepPlace after;
    std::vector<StepCell> cells;
    int run = 0; // the typing run it belongs to; 0 for none
};

// The history of the changes written to a game folder. A move writes the files' bytes of the
// other side of a step through the model, guarded like every write; a refused move leaves
// the history where it was.
class History {
  public:
    // Adds the step of a change just written, after the steps the history stands after. A
    // step of the typing run of the last step, in the same field of the same item, merges into
    // it; a step, or a merged run, that changes no byte is dropped.
    void record(Step step);
    void clear();

    int index() const { return index_; }
    int count() const { return int(steps_.size()); }
    const Step& step(int i) const { return steps_[size_t(i)]; }
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < count(); }
    // The step the history stands after, if any.
    const Step* last() const { return index_ > 0 ? &steps_[size_t(index_) - 1] : nullptr; }
    // The last step of a typing run ends with this text, though it wrote no further byte.
    void retextRun(int run, const QString& text);

    // One step back or forward; Ignored when there is none.
    Outcome undo(GameData& game, FilesChanged* changed = nullptr);
    Outcome redo(GameData& game, FilesChanged* changed = nullptr);

  private:
    std::vector<Step> steps_;
    int index_ = 0;
};

// The history line of a field's step: the item, the field's caption, the old and the new text.
QString fieldStepText(const ItemRef& item, int field, const QString& before, const QString& after);

} // namespace wed
