#include "game/history.h"

#include <algorithm>

namespace wed {

Outcome Step::swap(GameData& game, FilesChanged* changed) {
    const Outcome written = game.write(changes_, done_, changed);
    if (written.done())
        done_ = !done_;
    return written;
}

// The keystrokes of a typing run rewrite the line the one before rewrote. Merged here, where
// the splices are, they stay one change of that line, so that undoing the run writes the
// line's first bytes in one save instead of one save per keystroke.
void Step::mergeWith(const Step& next) {
    for (size_t file = 0; file < changes_.size(); ++file) {
        Splices& mine = changes_[file];
        for (const Splice& change : next.changes_[file]) {
            if (!mine.empty() && mine.back().offset == change.offset &&
                mine.back().inserted == change.removed)
                mine.back().inserted = change.inserted;
            else
                mine.push_back(change);
        }
    }
}

bool Step::isObsolete() const {
    return std::all_of(changes_.begin(), changes_.end(), [](const Splices& file) {
        return std::all_of(file.begin(), file.end(),
                           [](const Splice& s) { return s.removed == s.inserted; });
    });
}

History::Recorded History::record(Step step, bool continuesLast) {
    steps_.erase(steps_.begin() + index_, steps_.end());
    if (continuesLast && !steps_.empty()) {
        steps_.back().mergeWith(step);
        // A run typed back to what the field said is no change: undo would do nothing.
        if (!steps_.back().isObsolete())
            return Recorded::Merged;
        steps_.pop_back();
        index_ = count();
        return Recorded::Dropped;
    }
    if (step.isObsolete())
        return Recorded::Dropped;
    steps_.push_back(std::move(step));
    index_ = count();
    return Recorded::Added;
}

void History::clear() {
    steps_.clear();
    index_ = 0;
}

Outcome History::undo(GameData& game, FilesChanged* changed) {
    if (!canUndo())
        return Outcome::of(Status::Ignored);
    const Outcome moved = steps_[size_t(index_) - 1].swap(game, changed);
    if (moved.done())
        --index_;
    return moved;
}

Outcome History::redo(GameData& game, FilesChanged* changed) {
    if (!canRedo())
        return Outcome::of(Status::Ignored);
    const Outcome moved = steps_[size_t(index_)].swap(game, changed);
    if (moved.done())
        ++index_;
    return moved;
}

} // namespace wed
