#pragma once

#include "base/category.h"
#include "base/line_buffer.h"
#include "base/outcome.h"
#include "data/item_index.h"

#include <QString>
#include <vector>

namespace wed {

class Document;

// One problem a check found. The outcome's status says what kind, its path and line where
// (line 0: the file as a whole) and its detail what it concerns; describe() words it.
struct Problem {
    Outcome what;
    CategoryId category = CategoryId::Weapon;
    qsizetype headerLine = -1; // the record it belongs to (a line index), or -1
};

// A stable word for each kind of problem, for scripts: "duplicate-id", "not-a-number", ...
const char* problemCode(Status status);

// The files a check reads: weapon.cfg and the name file, split and indexed, and where the
// pictures are. The check changes nothing.
struct GameFiles {
    QString itemPath;
    const LineBuffer* items = nullptr;
    const ItemIndex* itemIndex = nullptr;
    QString namePath;
    const LineBuffer* names = nullptr;
    const NameIndex* nameIndex = nullptr;
    Outcome nameRead; // done, or why the names are empty
    QString pictureFolder;
};

// What a document holds, as it holds it (the window's check).
GameFiles filesOf(const Document& document);

// weapon.cfg and its name file read from disk, without a document (the command line's check).
class GameReading {
  public:
    // Done, or why weapon.cfg cannot be read; a name file that cannot be read is a problem the
    // check reports, not a refusal.
    Outcome read(const QString& itemFilePath);
    GameFiles files() const;

  private:
    QString itemPath_;
    QString namePath_;
    LineBuffer items_;
    LineBuffer names_;
    ItemIndex itemIndex_;
    NameIndex nameIndex_;
    Outcome nameRead_;
};

// Every problem of the files, weapon.cfg's first, each file's in line order:
// - a name file that is missing, unreadable or empty;
// - lines the code page cannot decode, in either file;
// - per category: an id that an earlier record has too (at the later record), a record without
//   its end line, a Class that is not one digit from 0 to 5, a numeric field whose value is no
//   number, a pair field without the blank between its numbers;
// - per listed item: no name (no name record, or no name line in it), a small or large picture
//   that cannot be named, does not exist, does not decode or is shorter than its pixels need
//   (each picture file is read once).
std::vector<Problem> checkGame(const GameFiles& files);

} // namespace wed
