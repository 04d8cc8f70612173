#pragma once

#include "app/edit_step.h"
#include "base/line_buffer.h"
#include "base/outcome.h"
#include "data/item_index.h"
#include "data/item_list.h"
#include "data/record_view.h"
#include "data/skill_costs.h"
#include "picture/picture_name.h"

#include <QObject>
#include <QUndoStack>
#include <array>
#include <optional>
#include <vector>

namespace wed {

struct FieldSpec;

// What one category panel shows: the item whose record filled it, the line number of each
// field's key line, and the text that stands in each field for what the file holds.
struct PanelItem {
    QString id;
    int ordinal = 0;
    qsizetype headerLine = -1;  // -1: the record was not found, every field shows "无"
    std::vector<KeyHit> fields; // per field of the category's table, from the record
    std::vector<QString> texts; // per field: the value shown, or the text last written
};

// The name and description of an item as its name record holds them: the name line from its
// tenth character, and each description line, whole.
struct NameRecordText {
    QString name;
    QStringList description;
};

// What showing an item put on screen, for the window to draw.
struct ItemShown {
    int entry = -1;
    bool selection = false; // the item selection: the description shows its placeholder first
    std::vector<CategoryId> resetPanels; // panels whose fields went back to "无"
    const Category* category = nullptr;  // the panel filled; none for another category word
    ItemText text;
    std::optional<QString> picture; // the picture file, when a name could be formed
};

// The editing document: the game folder and the file the items came from, both line buffers
// and their indexes, the category and the item list, what each panel shows with its line
// numbers, the skill costs, the edit gate and the history of changes. The window and the
// command line are views of it: they forward the user's input and show what it says.
// Where a game folder's name file and pictures are, for its weapon.cfg: Text/Weapon.txt and
// Images/weapon beside it, each found whatever its letter case on disk.
QString nameFilePathFor(const QString& itemFilePath);
QString pictureFolderFor(const QString& itemFilePath);

class Document : public QObject {
    Q_OBJECT
  public:
    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    // The category box's text: one of the three category words, or any text typed into it.
    void setCategoryWord(const QString& word);
    const QString& categoryWord() const { return categoryWord_; }
    const Category* category() const { return categoryForWord(categoryWord_); }

    // Reads weapon.cfg at the path and the name file of its folder, and lists the items of the
    // category. Nothing changes when weapon.cfg cannot be read; a missing name file gives
    // empty names (the outcome says so). Reading another file, or the same file changed by
    // another program, ends the history and forgets what the panels showed.
    Outcome open(const QString& itemFilePath);
    bool isOpen() const { return !itemFilePath_.isEmpty(); }
    const QString& itemFilePath() const { return itemFilePath_; }
    const QString& nameFilePath() const { return nameFilePath_; }
    // How the name file was read: done, or why the names are empty (the file is missing).
    const Outcome& nameFileRead() const { return nameFileRead_; }
    QString gameFolder() const;
    QString pictureFolder() const;

    const LineBuffer& items() const { return items_; }
    const LineBuffer& names() const { return names_; }
    const ItemIndex& itemIndex() const { return itemIndex_; }
    const NameIndex& nameIndex() const { return nameIndex_; }
    const SkillCosts& skillCosts() const { return skillCosts_; }

    // The item list, built for listCategory() (which the category word may since have left).
    const std::vector<ListEntry>& entries() const { return entries_; }
    const Category* listCategory() const { return listCategory_; }

    // The find filter: the entries whose id or name holds the text, ignoring case, are the ones
    // the list shows. A filter that hides the item shown empties its panel and closes the gate;
    // clearing the filter shows that item again when nothing else was chosen meanwhile.
    void setFind(const QString& text);
    const QString& findText() const { return findText_; }
    const std::vector<int>& visibleEntries() const { return visible_; }
    // The entry's place among the visible ones, or -1 when the filter hides it.
    int rowOfEntry(int entry) const;
    // The item's name from the name file (empty when it has none); one name map per list.
    const QString& nameOf(int entry) const;

    // Shows the entry of the list in the panel of the category word: with the gate closed, the
    // panel's fields go back to "无" (a weapon also empties the armor panel), then the record
    // fills them; the gate opens at the end. A word that is none of the three shows nothing.
    void showItem(int entry);
    // Shows the record whose header line stands at that line index, as a click on its row
    // would, first choosing its category and listing it; nothing for a record the list lacks.
    void showItemAt(CategoryId category, qsizetype headerLine);
    // The record view alone: fills the category's panel from the entry, with the gate closed.
    void showRecord(CategoryId category, int entry);
    // Reads the skill costs from the skill-cost record; closes the gate.
    void loadSkillCosts();
    int shownEntry() const { return shownEntry_; }
    const std::optional<PanelItem>& panel(CategoryId category) const {
        return panels_[size_t(category)];
    }

    // The edit gate: open while changes of field text are the user's.
    bool gateOpen() const { return gateOpen_; }
    void setGateOpen(bool open) { gateOpen_ = open; }

    // A field of the shown panel took a new text: with the gate open and a key line in the
    // item, the line is rewritten in weapon.cfg and saved, as one step of the history.
    Outcome setFieldText(CategoryId category, int field, const QString& text, EditKind kind);
    // Typing has left the field: the next keystroke starts a new step.
    void endTyping();

    // The history. Each move writes the files' bytes of the other side of a step, guarded like
    // an edit; a refused move leaves the history where it was.
    QUndoStack& history() { return history_; }
    const QUndoStack& history() const { return history_; }
    Outcome undo();
    Outcome redo();
    // Undoes or redoes up to the history index, one step at a time, stopping at a refusal.
    Outcome moveHistoryTo(int index);

    // Item actions on an entry of the list, in the list's category; each is one step of the
    // history, and changes only the lines it concerns in weapon.cfg and the name file.
    // A copy of the record under a new id goes right after it, with a copy of its name record
    // (or sharing one the new id already has); the new item is then shown.
    Outcome copyItem(int entry, const QString& newId);
    // The record goes, and its name record unless another item of any category uses the id.
    Outcome removeItem(int entry);
    // The header line changes, and the name record follows (copied instead while another item
    // still uses the old id, shared when the new id has one).
    Outcome renameItem(int entry, const QString& newId);
    // The same field of several items of a category takes new texts, as a table column is
    // edited: with the field's rules, in one save and as one step. A refusal of any text writes
    // nothing and names the item; items without the key line are left out, and told.
    struct CellEdit {
        qsizetype headerLine = -1;
        QString text;
    };
    Outcome setFieldTexts(CategoryId category, int field, const std::vector<CellEdit>& cells);

    // The item's name and description; none when the name file has no record for it.
    std::optional<NameRecordText> nameRecordText(int entry) const;
    Outcome setNameRecordText(int entry, const NameRecordText& text);

    // The picture of the shown item for a VidMENU text, by the small/large choice.
    std::optional<QString> picturePath(QStringView vidMenu, PictureSize size, bool heand) const;
    PictureSize pictureSize() const { return pictureSize_; }
    void setPictureSize(PictureSize size) { pictureSize_ = size; }

  signals:
    void categoryWordChanged();
    void listChanged();
    // Emitted with the gate closed, so that the fields the window fills write nothing.
    void itemShown(const wed::ItemShown& shown);
    // Every panel lost its item: the files are not those it was read from any more.
    void panelsDropped();
    // The panel lost its item: the item was removed, or the filter hid it.
    void panelCleared(wed::CategoryId category);
    // The document cleared the find filter itself (a history move showed a hidden item).
    void findCleared();
    // weapon.cfg's bytes changed; linesMoved when records may have come, gone or moved.
    void itemsChanged(bool linesMoved);
    // The name file's bytes changed.
    void namesChanged();
    // A step was undone or redone: the field shows the text it had on that side of the step.
    void fieldTextRestored(wed::CategoryId category, int field, const QString& text);

  private:
    friend class EditStep;
    void adopt(const EditStep& step, bool undone);
    void setBuffer(GameFile file, const Splices& made, bool undone = false);
    bool changesOneOrdinaryLine(GameFile file, const Splice& change) const;
    void checkIndexes() const;
    // Lists the items of the list's category again. A list the user asks for reads the skill
    // costs (closing the gate); one that follows a change of the file keeps the item shown.
    void rebuildList(bool followsChange = false);
    void fillPanel(CategoryId category, int entry, ItemShown& shown);
    void showPlace(const StepPlace& place);
    void applyFind();
    void clearPanel(CategoryId category);
    int entryOfHeader(qsizetype headerLine) const;
    // Item actions (document_items.cpp).
    Outcome checkNewId(const QString& id, const Category& category) const;
    bool idUsedElsewhere(const QString& id, qsizetype header) const;
    qsizetype recordLastLine(const ListEntry& entry) const;
    Outcome commitStep(std::array<Splices, 2> changes, const StepPlace& before,
                       const StepPlace& after, const QString& text, Outcome told = {},
                       std::vector<StepCell> cells = {});
    QString idAt(CategoryId category, qsizetype headerLine) const;
    void showCells(const std::vector<StepCell>& cells, bool undone);
    qsizetype headerOf(CategoryId category, const QString& id, int ordinal) const;
    Outcome moveHistory(bool back);
    // The step the history stands after, if any.
    EditStep* lastStep();
    Outcome afterRefusal(Outcome outcome);
    void dropPanels();
    LineBuffer& buffer(GameFile file) { return file == GameFile::Items ? items_ : names_; }
    const QString& path(GameFile file) const {
        return file == GameFile::Items ? itemFilePath_ : nameFilePath_;
    }

    QString categoryWord_;
    QString itemFilePath_;
    QString nameFilePath_;
    Outcome nameFileRead_;
    LineBuffer items_;
    LineBuffer names_;
    ItemIndex itemIndex_;
    NameIndex nameIndex_;
    SkillCosts skillCosts_;
    std::vector<ListEntry> entries_;
    const Category* listCategory_ = nullptr;
    QString findText_;
    std::vector<int> visible_;
    mutable std::optional<std::vector<QString>> entryNames_;
    int shownEntry_ = -1;
    int hiddenEntry_ = -1; // the entry the filter hid while it was shown
    std::array<std::optional<PanelItem>, 3> panels_;
    bool gateOpen_ = false;
    PictureSize pictureSize_ = PictureSize::Small;

    QUndoStack history_;
    bool pushing_ = false; // a new step is being pushed: it is on screen already
};

} // namespace wed
