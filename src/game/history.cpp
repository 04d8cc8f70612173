#include "game/history.h"

#include "data/item_fields.h"

#include <algorithm>

namespace wed {
namespace {

bool changesNoByte(const std::array<Splices, 2>& changes) {
    return std::all_of(changes.begin(), changes.end(), [](const Splices& file) {
        return std::all_of(file.begin(), file.end(),
                           [](const Splice& s) { return s.removed == s.inserted; });
    });
}

// The keystrokes of a run rewrite the line the one before rewrote: one change of that line.
void merge(Splices& mine, const Splices& next) {
    for (const Splice& change : next) {
        if (!mine.empty() && mine.back().offset == change.offset &&
            mine.back().inserted == change.removed)
            mine.back().inserted = change.inserted;
        else
            mine.push_back(change);
    }
}

} // namespace

void History::record(Step step) {
    steps_.resize(size_t(index_));
    Step* top = steps_.empty() ? nullptr : &steps_.back();
    if (top && step.run != 0 && top->run == step.run && top->after.item == step.before.item &&
        top->after.field == step.before.field) {
        for (size_t file = 0; file < top->changes.size(); ++file)
            merge(top->changes[file], step.changes[file]);
        top->after = step.after;
        top->text =
            fieldStepText(*top->after.item, top->after.field, top->before.text, top->after.text);
        if (changesNoByte(top->changes)) {
            steps_.pop_back();
            index_ = count();
        }
        return;
    }
    if (changesNoByte(step.changes))
        return;
    steps_.push_back(std::move(step));
    index_ = count();
}

void History::clear() {
    steps_.clear();
    index_ = 0;
}

void History::retextRun(int run, const QString& text) {
    if (run == 0 || index_ != count() || steps_.empty() || steps_.back().run != run)
        return;
    Step& top = steps_.back();
    top.after.text = text;
    top.text = fieldStepText(*top.after.item, top.after.field, top.before.text, text);
}

Outcome History::undo(GameData& game, FilesChanged* changed) {
    if (!canUndo())
        return Outcome::of(Status::Ignored);
    const Outcome moved = game.write(steps_[size_t(index_) - 1].changes, true, changed);
    if (moved.done())
        --index_;
    return moved;
}

Outcome History::redo(GameData& game, FilesChanged* changed) {
    if (!canRedo())
        return Outcome::of(Status::Ignored);
    const Outcome moved = game.write(steps_[size_t(index_)].changes, false, changed);
    if (moved.done())
        ++index_;
    return moved;
}

QString fieldStepText(const ItemRef& item, int field, const QString& before, const QString& after) {
    const FieldSpec& declared = categoryFields(item.category).fields.at(size_t(field));
    return QStringLiteral("%1 · %2：%3 → %4")
        .arg(item.id, shownCaption(declared).trimmed(), before, after);
}

} // namespace wed
