#pragma once

#include "game/game_data.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace wed {

// A change set on disk: UTF-8 text, LF line ends (CR LF and a byte-order mark are read too).
//
//   patch   = "weapon-editor patch 1" LF *( comment / change / empty ) ; comment: "#" ...
//   change  = kind TAB item TAB key-or-place TAB base TAB new LF
//   kind    = "key" / "record" / "add" / "remove" / "names"
//
// The item is a reference ("weapon/dup#2"), or for "names" the id. The third column is the
// key ("Cost", "Cost#2" for its second line in the record) for "key", the reference of the
// record an added item follows (or the id of the name record an added name record follows)
// for "add" and "names", and "-" where there is none. Base and new are values, or for the
// other kinds the record's lines joined by "\n"; "-" stands for none (no such line, no such
// record). In every column "\\", "\t", "\n" and "\r" stand for those characters, "\e" for an
// empty text and "\-" for a text that is just "-".

// The text with "\\", "\t", "\n" and "\r" for a backslash, a tab, a line feed and a carriage
// return, as in a patch's columns: one line of tab-separated columns can then hold any text.
QString withTabAndBreakEscapes(const QString& text);

// The patch text of a set; none when a change holds bytes the code page cannot decode, or a
// record line with a lone line feed, which a patch cannot carry (`refused` says where).
struct PatchText {
    QByteArray text;
    Outcome refused;
};
PatchText writePatch(const ChangeSet& changes);

// A patch read back: its change set and the line (from 1) of each change, or why it cannot be
// read (a Patch… status with the line and column) when it is not a patch of this form, is cut
// off (its last line has no line feed) or holds a value the code page cannot hold.
struct PatchRead {
    ChangeSet changes;
    std::vector<qsizetype> lines;
    Outcome outcome;
};
PatchRead readPatch(QByteArrayView bytes);

// Why the folder refused the patch read: the plan's refusal at the line of the change refused,
// with the line of the change it contradicts as the detail (ChangedTwice), or else the item.
Outcome patchRefusal(const ApplyPlan& plan, const PatchRead& patch, const QString& path);

} // namespace wed
