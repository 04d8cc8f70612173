#pragma once

#include "app/shown_step.h"
#include "game/game_data.h"
#include "game/history.h"
#include "game/item_actions.h"

#include <QObject>
#include <vector>

namespace wed {

// How a field's text changed: typed (the keystrokes of one run in one field are one step) or
// picked from a choice list (a step of its own).
enum class EditKind { Typing, Pick };

// The editing document, for the window: the model of a game folder, the history of the
// changes written to it, and signals that tell the views what changed. It keeps no widget
// state: what is shown, and where, is the window's.
class Document : public QObject {
    Q_OBJECT
  public:
    explicit Document(QObject* parent = nullptr);

    const GameData& game() const { return game_; }
    bool isOpen() const { return game_.isOpen(); }
    const History& history() const { return history_; }

    // Reads weapon.cfg at the path and its name file. Nothing changes when weapon.cfg cannot be
    // read; a missing name file gives empty names (the outcome says so). Reading another file,
    // or the same file changed by another program, ends the history (filesReplaced).
    Outcome open(const QString& itemFilePath);
    // Reads the files again after another program changed them: the history ends, and the
    // views show again what they showed (reloaded).
    Outcome reload();

    // What a step of the history shows: its line in the history, where it shows on either
    // side, the cells of a table edit, and the typing run it belongs to (0 for none). Kept
    // here, beside the model's history, one for each of its steps.
    struct StepInfo {
        QString text;
        StepPlace before;
        StepPlace after;
        std::vector<StepCell> cells;
        int run = 0;
    };
    const StepInfo& step(int i) const { return shown_[size_t(i)]; }

    // Applies a change set as one step of the history, which shows at `before` and `after`.
    // A refusal writes nothing; another program's change is never overwritten (the files are
    // read again, and the outcome says so).
    Outcome apply(const ChangeSet& changes, StepInfo step, Outcome told = {},
                  bool skipConflicts = false);

    // A field of the item took a new text, typed or picked: its key line is rewritten by the
    // field's rules. `shown` is the text the field showed before.
    Outcome setField(const ItemRef& item, int field, const QString& text, const QString& shown,
                     EditKind kind);
    // Typing has left the field: the next keystroke starts a new step.
    void endTyping() { ++run_; }
    // The same field of several items takes new texts, as a table column is edited: with the
    // field's rules, in one save and as one step. A refusal of any text writes nothing and
    // names the item.
    struct CellEdit {
        ItemRef item;
        QString text;
        QString before;
    };
    Outcome setFields(CategoryId category, int field, const std::vector<CellEdit>& cells);

    // The item actions, each one step.
    Outcome copyItem(const ItemRef& source, const QString& newId);
    Outcome removeItem(const ItemRef& item);
    Outcome renameItem(const ItemRef& item, const QString& newId);
    Outcome setNameRecordText(const ItemRef& item, const NameRecordText& text);

    // The history: each move writes the other side of a step, guarded like an edit; a refused
    // move leaves the history where it was.
    Outcome undo();
    Outcome redo();
    // Undoes or redoes up to the history index, one step at a time, stopping at a refusal.
    Outcome moveHistoryTo(int index);

  signals:
    // The files' bytes changed by a write of the document's own.
    void filesChanged(const wed::FilesChanged& changed);
    // The files held now are not those held before: another file was read, or another program
    // changed them. The history was cleared.
    void filesReplaced();
    // The files were read again after another program changed them (after filesReplaced).
    void reloaded();
    // A step was undone or redone: where it shows on the side the files are now on.
    void stepShown(const wed::StepPlace& place, const std::vector<wed::StepCell>& cells,
                   bool undone);
    void historyChanged();

  private:
    Outcome afterRefusal(Outcome outcome);
    Outcome apply(ApplyPlan planned, StepInfo step, Outcome told = {}, bool skipConflicts = false);
    Outcome runAction(const ItemAction& action, const QString& text, const StepPlace& before);
    Outcome move(bool back);
    void record(const std::array<Splices, 2>& made, StepInfo step);
    void retextRun(int run, const StepPlace& at);
    void clearHistory();

    GameData game_;
    History history_;
    std::vector<StepInfo> shown_; // what each step of history_ shows
    int run_ = 1;
};

} // namespace wed
