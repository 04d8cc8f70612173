#pragma once

#include "base/outcome.h"
#include "game/game_data.h"

#include <QString>
#include <optional>
#include <vector>

namespace wed {

// One problem a check found. The outcome's status says what kind, its path and line where
// (line 0: the file as a whole) and its detail what it concerns; describe() words it.
struct Problem {
    Outcome what;
    std::optional<ItemRef> item; // the item it belongs to, if any
};

// A stable word for each kind of problem, for scripts: "duplicate-id", "not-a-number", ...
const char* problemCode(Status status);

// Every problem of a game folder's files, weapon.cfg's first, each file's in line order:
// - a name file that is missing, unreadable, empty or whose line ends are not CR LF;
// - lines the code page cannot decode, in either file;
// - lines of a record that hold a lone CR or LF, which nothing writes;
// - per category: an id that an earlier record has too (at the later record), a record without
//   its end line, a Class that is not one digit from 0 to 5, a numeric field whose value is no
//   number, a pair field without the blank between its numbers;
// - per listed item: no name (no name record, or no name line in it), a small or large picture
//   that cannot be named, does not exist, does not decode or is shorter than its pixels need
//   (each picture file is read once).
// The check changes nothing.
std::vector<Problem> checkGame(const GameData& game);

} // namespace wed
