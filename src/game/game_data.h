#pragma once

#include "base/byte_splice.h"
#include "base/line_buffer.h"
#include "base/outcome.h"
#include "data/item_index.h"
#include "data/item_list.h"
#include "data/item_ref.h"
#include "data/name_record.h"
#include "data/record_view.h"
#include "game/change_set.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace wed {

// The two files of a game folder.
enum class GameFile { Items, Names };

// A record of weapon.cfg: the item it is and where its header line stands.
struct RecordEntry {
    ItemRef ref;
    qsizetype header = -1;
    qsizetype last = -1; // the record's last line
};

// What a write did to the files: per file, whether its bytes changed, and whether lines came,
// went or were merged (records may have moved), and the byte changes as they were made.
struct FilesChanged {
    std::array<bool, 2> changed{false, false};
    std::array<bool, 2> linesMoved{false, false};
    std::array<Splices, 2> made;
};

// What a change set does to the folder: per change what applying it finds, and the byte
// changes of those that are made. A refusal (a value that would corrupt the file) says which
// change it is and writes nothing.
struct ApplyPlan {
    Outcome outcome;
    std::vector<ChangeResult> results; // per change, in the set's order
    std::array<Splices, 2> made;       // the byte changes of the changes made, end of file first
    qsizetype refusedAt = -1;          // the change refused, when the outcome is a refusal
    qsizetype contradicts = -1;        // ChangedTwice: the earlier change the refused one undoes
    bool valueRefused = false;         // the refusal is of a typed text, by its field's rules

    qsizetype conflicts() const;
    bool changesBytes() const { return !made[0].empty() || !made[1].empty(); }
};

// One game folder's item data: the paths, both files' bytes as lines with their record
// indexes, and the one way they change: a write that saves them atomically, guarded against
// other programs' changes, and brings the lines and indexes in step. It knows nothing of a
// window; the command line uses it alone, the window's document under a history.
class GameData {
  public:
    GameData();

    // Reads weapon.cfg at the path and the name file of its folder. Nothing changes when
    // weapon.cfg cannot be read, or the name file exists but cannot be read and `namesNeeded`;
    // otherwise a name file that cannot be read gives empty names, and nameFileRead() says why
    // (a missing one also the outcome, as a notice).
    Outcome read(const QString& itemFilePath, bool namesNeeded = true);
    bool isOpen() const { return !itemFilePath_.isEmpty(); }
    const QString& itemFilePath() const { return itemFilePath_; }
    const QString& nameFilePath() const { return nameFilePath_; }
    // How the name file was read: done, or why the names are empty.
    const Outcome& nameFileRead() const { return nameFileRead_; }
    QString folder() const;
    QString pictureFolder() const;
    const QString& path(GameFile file) const {
        return file == GameFile::Items ? itemFilePath_ : nameFilePath_;
    }

    const LineBuffer& items() const { return items_; }
    const LineBuffer& names() const { return names_; }
    const LineBuffer& buffer(GameFile file) const {
        return file == GameFile::Items ? items_ : names_;
    }
    const ItemIndex& itemIndex() const { return itemIndex_; }
    const NameIndex& nameIndex() const { return nameIndex_; }

    // The items the window lists for the category, in file order.
    ItemList listed(CategoryId category) const;
    // Every record of the category, listed or not (the skill-cost record, the excluded
    // implants), in file order.
    std::vector<RecordEntry> records(CategoryId category) const;

    // The line index of the item's header line, or -1 when the folder has no such record. Found
    // in the header table: a probe or two, however many records the file has.
    qsizetype headerOf(const ItemRef& ref) const;
    // The item whose header line stands at the line index; which of the records of its id it
    // is, by a binary search among them.
    ItemRef refAt(CategoryId category, qsizetype header) const;
    // The last line of the record at the header: its end line, or the line before the next
    // record, or the file's last line.
    qsizetype recordLast(CategoryId category, qsizetype header) const;
    // The record's lines, header line first; none when there is no such record.
    std::optional<Lines> recordLines(const ItemRef& ref) const;
    Lines recordLinesAt(CategoryId category, qsizetype header) const;
    // The bytes of the record's lines, from its header to the end of its last line.
    QByteArrayView recordBytes(const RecordEntry& record) const;
    // What the item's record shows in the category's fields.
    ItemRecord record(CategoryId category, qsizetype header) const;

    // The line index of the occurrence-th line (from 1; 0 for the last) of the key in the
    // record at the header, or -1. The key is the text before a line's first "=".
    qsizetype keyLine(CategoryId category, qsizetype header, QByteArrayView key,
                      int occurrence = 1) const;
    // Which of the key's lines in that record the line is (from 1); 1 for -1.
    int keyOccurrence(CategoryId category, qsizetype header, QByteArrayView key,
                      qsizetype line) const;
    // The whole value of a key of the item; none when the record has no such key line.
    std::optional<QByteArray> value(const ItemRef& ref, QByteArrayView key,
                                    int occurrence = 1) const;

    // The name record of an id; none or an opening of -1 when the name file has none.
    NameRecordLines nameRecord(QStringView id) const;
    std::optional<Lines> nameRecordLines(QStringView id) const;
    // The bytes of the name record's lines, from "<id>" to the end of its last line.
    QByteArrayView nameRecordBytes(const NameRecordLines& record) const;
    // The item's name and description, read by the category's layout of name records.
    ItemText itemText(CategoryId category, QStringView id) const;
    // Whether a record of any category but the one at `header` has the id.
    bool idUsedElsewhere(QStringView id, CategoryId category, qsizetype header) const;

    // The table of every record's header line. Made at the second lookup of an item or of which
    // record a header line opens since the header lines last moved (or at the first lookup of
    // many items), and kept while no header line moves: sets that change values alone, one
    // after another, find their items without a pass over the file. One lookup alone is a scan
    // of the header lines, which costs less than making the table.
    const HeaderTable& headerTable() const;

    // Writes byte changes to the files (or, undone, takes them back): each file is checked to
    // still hold what the model holds, saved atomically (weapon.cfg first; it gets its bytes
    // back when the name file fails), and the lines and indexes follow. A refusal changes
    // nothing; ExternalChange when the model's bytes are not those the changes were made on.
    Outcome write(const std::array<Splices, 2>& made, bool undone, FilesChanged* changed = nullptr);

    // What the set would do, writing nothing: each change three-way against the folder (its
    // value is the base: made; it is the new value already: nothing to do; anything else: a
    // conflict), every value checked for what would corrupt the file (a line break, a
    // character the code page cannot hold, a key that is not the change's own) and every
    // typed value by its field's rules.
    ApplyPlan plan(const ChangeSet& changes) const;
    // Applies the set in one atomic save per file. With a conflict nothing is written, unless
    // the rest is to be written without the conflicting changes.
    ApplyPlan apply(const ChangeSet& changes, bool skipConflicts = false,
                    FilesChanged* changed = nullptr);
    // Applies a plan made by plan() on the files as they are now: a caller that looks at a
    // plan's verdict before it writes plans once.
    ApplyPlan apply(ApplyPlan planned, bool skipConflicts = false, FilesChanged* changed = nullptr);

  private:
    void adopt(GameFile file, const Splices& made, bool undone, QByteArray bytes,
               FilesChanged& changed);
    bool changesOneOrdinaryLine(GameFile file, const Splice& change, qsizetype line) const;
    void checkIndexes() const;
    void headerLinesMoved();
    // The header table for one lookup, or none for the first since the header lines moved.
    const HeaderTable* headerTableForLookup() const;
    LineBuffer& mutableBuffer(GameFile file) { return file == GameFile::Items ? items_ : names_; }

    QString itemFilePath_;
    QString nameFilePath_;
    Outcome nameFileRead_;
    LineBuffer items_;
    LineBuffer names_;
    ItemIndex itemIndex_;
    NameIndex nameIndex_;
    mutable std::shared_ptr<const HeaderTable> headerTable_; // shared by copies: never changed
    mutable bool headersScanned_ = false; // a lookup without the table since the lines moved
};

// The header lines of many items, found in the folder's header map.
class RecordLookup {
  public:
    explicit RecordLookup(const GameData& game) : game_(game), headers_(game.headerTable()) {}
    // The header lines of many items at once, in their order.
    std::vector<qsizetype> headersOf(const std::vector<const ItemRef*>& refs) const;

  private:
    const GameData& game_;
    const HeaderTable& headers_;
};

// Where a game folder's name file and pictures are, for its weapon.cfg: Text/Weapon.txt and
// Images/weapon beside it, each found whatever its letter case on disk.
QString nameFilePathFor(const QString& itemFilePath);
QString pictureFolderFor(const QString& itemFilePath);
// weapon.cfg in a game folder, whatever its letter case.
QString itemFileIn(const QString& folder);

} // namespace wed
