#pragma once

#include "base/outcome.h"
#include "data/item_ref.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace wed {

// Lines of a file in its code page, each without its line end.
using Lines = QList<QByteArray>;

// What one change of a change set does to a game folder.
enum class ChangeKind {
    Key,      // one key line of an item: its value from base to now (none: no such line)
    Record,   // an item's whole record, its lines from base to now
    Add,      // an item added: its record `nowLines`, after the record `after` (none: first)
    Remove,   // an item removed: its record `baseLines`
    Names,    // the name record of an id, from base to now; added (after the name record of
              // after->id) or removed when one side is none
    Move,     // an item's record, as it is, from after `baseAfter` to after `after`
    NameMove, // the name record of an id, likewise, after name records of those ids
};

// One change. Values are the file's bytes and are written as they stand, unless `typed` says
// the value is text typed into the field of its key, which the field's rules turn into the
// value (the decimal form of a number, a class digit, a choice's code).
struct Change {
    ChangeKind kind = ChangeKind::Key;
    ItemRef item; // for Names only the id counts: a name record belongs to an id
    // Key: the key (the text before a line's first "=") and which of its lines (from 1; 0 for
    // the last, as a field shows it).
    QByteArray key;
    int keyOccurrence = 1;
    std::optional<QByteArray> base;
    std::optional<QByteArray> now;
    QString typed; // Key, typed: the text typed
    bool isTyped = false;
    // Record, Add, Remove, Names: the lines, the header line (or "<id>") first.
    std::optional<Lines> baseLines;
    std::optional<Lines> nowLines;
    std::optional<ItemRef> after;     // Add, Names added, the moves: the record it follows
    std::optional<ItemRef> baseAfter; // the moves: the record it followed in the base

    bool operator==(const Change&) const = default;
};

// A list of changes to one game folder. Every item reference in it means the folder as it was
// before the set.
using ChangeSet = std::vector<Change>;

// What applying a change finds: made, there already, or in conflict with the folder's value.
enum class ChangeState { Made, AlreadyThere, Conflict };

struct ChangeResult {
    ChangeState state = ChangeState::Made;
    std::optional<QByteArray> current;   // Key: the folder's value
    std::optional<QByteArray> written;   // Key, typed: the value the field's rules make
    std::optional<Lines> currentLines;   // the other kinds: the folder's lines
    std::optional<ItemRef> currentAfter; // the moves: the record it follows (none: first)
};

inline bool isMove(const Change& change) {
    return change.kind == ChangeKind::Move || change.kind == ChangeKind::NameMove;
}

// A typed field value: the change that writes it to the item's key line of that key.
Change typedChange(const ItemRef& item, QByteArrayView key, const QString& text);

} // namespace wed
