#pragma once

#include "base/outcome.h"
#include "game/game_data.h"
#include "rules/rules.h"

#include <QString>
#include <optional>
#include <vector>

namespace wed {

// What a problem found by a rule adds: the check's code ("rule-error" for an error inside
// the check), its severity, the rule's file and line, and the message, worded.
struct RuleMark {
    QString code;
    Severity severity = Severity::Error;
    QString file;
    int line = 0;
    QString message;
};

// One problem a check found. The outcome's status says what kind, its path and line where
// (line 0: the file as a whole) and its detail what it concerns; describe() words it. A rule's
// problem has its mark, and its own words (problemMessage).
struct Problem {
    Outcome what;
    std::optional<ItemRef> item; // the item it belongs to, if any
    std::optional<RuleMark> rule;
};

// The mark of a check that an item failed: the check's own, or "rule-error" with the error's
// words when the check itself failed.
RuleMark ruleMark(const CheckRule& rule, const CheckVerdict& verdict);

// A stable word for each kind of problem, for scripts: "duplicate-id", "not-a-number", ...
const char* problemCode(Status status);
// The problem's code: a rule's own, or its kind's.
QString problemCode(const Problem& problem);
// The problem's message: a rule's (the item, the message and the code; "警告：" first for a
// warning), or the outcome's words.
QString problemMessage(const Problem& problem);
bool isError(const Problem& problem);

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
// - with rules, each check over every listed item of its category: a failed item at the line
//   of the check's key (the header line without one), and an error inside the check as a
//   problem of its own ("rule-error"); a check stopped by its budget or memory limit is not
//   run for the items after it. `base` is the folder as shipped, for item.base; may be null.
// The check changes nothing.
std::vector<Problem> checkGame(const GameData& game, Rules* rules = nullptr,
                               const GameData* base = nullptr);

} // namespace wed
