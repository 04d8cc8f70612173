#pragma once

#include "app/edit_step.h"
#include "base/line_buffer.h"
#include "base/outcome.h"
#include "data/item_index.h"
#include "data/item_list.h"
#include "data/record_view.h"
#include "data/skill_costs.h"
#include "image/picture_name.h"

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

// What showing an item put on screen, for the window to draw.
struct ItemShown {
    int row = -1;
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

    // Shows the entry of the list in the panel of the category word: with the gate closed, the
    // panel's fields go back to "无" (a weapon also empties the armor panel), then the record
    // fills them; the gate opens at the end. A word that is none of the three shows nothing.
    void showItem(int row);
    // Shows the record whose header line stands at that line index, as a click on its row
    // would, first choosing its category and listing it; nothing for a record the list lacks.
    void showItemAt(CategoryId category, qsizetype headerLine);
    // The record view alone: fills the category's panel from the entry, with the gate closed.
    void showRecord(CategoryId category, int row);
    // Reads the skill costs from the skill-cost record; closes the gate.
    void loadSkillCosts();
    int shownRow() const { return shownRow_; }
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
    // A step was undone or redone: the field shows the text it had on that side of the step.
    void fieldTextRestored(wed::CategoryId category, int field, const QString& text);

  private:
    friend class EditStep;
    void adopt(const EditStep& step, bool undone);
    void setBuffer(GameFile file, QByteArray bytes, const Splices& changes);
    // Lists the items of the list's category again. A list the user asks for reads the skill
    // costs (closing the gate); one that follows a change of the file keeps the item shown.
    void rebuildList(bool followsChange = false);
    void fillPanel(CategoryId category, int row, ItemShown& shown);
    void showPlace(const StepPlace& place);
    int rowOfHeader(qsizetype headerLine) const;
    qsizetype headerOf(CategoryId category, const QString& id, int ordinal) const;
    Outcome moveHistory(bool back);
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
    int shownRow_ = -1;
    std::array<std::optional<PanelItem>, 3> panels_;
    bool gateOpen_ = false;
    PictureSize pictureSize_ = PictureSize::Small;

    QUndoStack history_;
    // The bytes a history move has just written, which the step's undo or redo adopts.
    std::optional<std::array<QByteArray, 2>> written_;
    bool pushing_ = false; // a new step is being pushed: it is on screen already
};

} // namespace wed
