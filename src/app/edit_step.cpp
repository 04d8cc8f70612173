#include "app/edit_step.h"

#include "app/document.h"
#include "data/item_fields.h"

namespace wed {
namespace {

constexpr int kTypingId = 1;

} // namespace

EditStep::EditStep(Document& document, std::array<Splices, 2> changes, StepPlace before,
                   StepPlace after, EditKind kind)
    : document_(document), changes_(std::move(changes)), before_(std::move(before)),
      after_(std::move(after)), kind_(kind) {
    describe();
}

void EditStep::undo() {
    document_.adopt(*this, true);
}

void EditStep::redo() {
    document_.adopt(*this, false);
}

int EditStep::id() const {
    return kind_ == EditKind::Typing ? kTypingId : -1;
}

// Keystrokes merge while they stay in one field of one item and typing has not left it.
bool EditStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const EditStep*>(other);
    if (sealed_ || next->before_.category != after_.category ||
        next->before_.headerLine != after_.headerLine || next->before_.field != after_.field)
        return false;
    for (size_t file = 0; file < changes_.size(); ++file) {
        Splices& mine = changes_[file];
        for (const Splice& change : next->changes_[file]) {
            // A keystroke rewrites the line the one before rewrote: one change of that line.
            if (!mine.empty() && mine.back().offset == change.offset &&
                mine.back().inserted == change.removed)
                mine.back().inserted = change.inserted;
            else
                mine.push_back(change);
        }
    }
    after_ = next->after_;
    describe();
    return true;
}

void EditStep::setFinalText(const QString& text) {
    after_.text = text;
    describe();
}

// The history window's line: the item, the field's caption, the old and the new text.
void EditStep::describe() {
    if (after_.field < 0)
        return;
    const FieldSpec& field = categoryFields(after_.category).fields.at(size_t(after_.field));
    setText(QStringLiteral("%1 · %2：%3 → %4")
                .arg(after_.id, field.caption.trimmed(), before_.text, after_.text));
}

} // namespace wed
