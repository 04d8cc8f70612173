#pragma once

#include "game/game_data.h"

#include <memory>
#include <vector>

namespace wed {

// What a comparison of two game folders found beside the change set: the lines of a changed
// record that hold bytes the code page cannot decode or a lone CR or LF (a patch cannot carry
// them), and whether the lines outside every record (comments, padding) differ, which belong
// to no item.
struct DiffNotes {
    struct Undecodable {
        GameFile file;
        qsizetype line = 0;     // 1-based, in the folder compared
        bool lineBreak = false; // it holds a lone CR or LF (else bytes that do not decode)
    };
    std::vector<Undecodable> undecodable;
    std::array<bool, 2> outsideDiffers{false, false};
};

// The change set that makes `base` into `folder`: per record (every record, listed or not),
// by its reference, the key lines that changed, or the whole record where lines were added,
// removed or reordered; the records added, each after the record it follows in `folder`, and
// those removed; per id, its name record changed, added or removed; the records and name
// records that stand elsewhere among the rest, as the fewest moves that put them there (the
// longest run in the same order in both stays). In base's file order.
ChangeSet diffFolders(const GameData& base, const GameData& folder, DiffNotes* notes = nullptr);

// What a diff reads of its base (every record, the first name record of every id, the lines
// outside them), read once for diffs of many folders against one base. It holds views of the
// base's lines: the base must live, unchanged, while it is used.
class DiffBase {
  public:
    explicit DiffBase(const GameData& base);
    ~DiffBase();
    const GameData& game() const { return base_; }
    struct Side; // what is read of the base
    const Side& side() const { return *side_; }

  private:
    const GameData& base_;
    std::unique_ptr<const Side> side_;
};
ChangeSet diffFolders(const DiffBase& base, const GameData& folder, DiffNotes* notes = nullptr);

// The lines of a file that belong to no record, in order; in the name file, whose empty lines
// only end its records, the lines that are not empty.
Lines outsideLines(const GameData& game, GameFile file);

} // namespace wed
