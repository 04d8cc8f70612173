#pragma once

#include "base/byte_splice.h"
#include "base/category.h"

#include <QUndoCommand>
#include <array>
#include <vector>

namespace wed {

class Document;

// The two files a document holds.
enum class GameFile { Items, Names };

// How a field's text changed: typed (the keystrokes of one run in one field are one step) or
// picked from a choice list (a step of its own).
enum class EditKind { Typing, Pick };

// Where a step shows, on one side of it: the item (by its header line in the files as they are
// on that side) and the field whose text the step changed, with that text.
struct StepPlace {
    CategoryId category = CategoryId::Weapon;
    QString id;
    qsizetype headerLine = -1;
    int field = -1; // -1: no field text to put back
    QString text{};
};

// A cell of a table edit: a field of an item, with its text on either side of the step.
struct StepCell {
    CategoryId category = CategoryId::Weapon;
    qsizetype headerLine = -1;
    int field = -1;
    QString before;
    QString after;
};

// One step of the history: the byte changes it made to each file, kept as splices so that
// undoing it gives back the former bytes exactly, and where it shows on either side. The
// files are written by the document before the step moves; undo() and redo() only adopt
// the result and show it.
class EditStep : public QUndoCommand {
  public:
    EditStep(Document& document, std::array<Splices, 2> changes, StepPlace before, StepPlace after,
             EditKind kind);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    // No later keystroke merges into this step.
    void seal() { sealed_ = true; }
    const Splices& changes(GameFile file) const { return changes_[size_t(file)]; }
    const StepPlace& place(bool undone) const { return undone ? before_ : after_; }
    // A keystroke that changed no byte still moves the text the step ends with.
    void setFinalText(const QString& text);
    // The cells of a table edit, whose texts a panel showing their items follows.
    void setCells(std::vector<StepCell> cells) { cells_ = std::move(cells); }
    const std::vector<StepCell>& cells() const { return cells_; }

  private:
    void describe();

    Document& document_;
    std::array<Splices, 2> changes_;
    StepPlace before_;
    StepPlace after_;
    std::vector<StepCell> cells_;
    EditKind kind_;
    bool sealed_ = false;
};

} // namespace wed
