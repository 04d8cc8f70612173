#include "game/change_check.h"

#include "base/category.h"
#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/item_index.h"
#include "data/name_record.h"
#include "edit/field_line.h"

#include <QHash>
#include <algorithm>

namespace wed {
namespace {

bool anyBreaksLine(const std::optional<Lines>& lines) {
    return lines && std::any_of(lines->begin(), lines->end(),
                                [](const QByteArray& line) { return holdsLineBreak(line); });
}

// Whether a record text's first line is its item's: the header of the item's category and id,
// or for a name record "<id>".
bool namesItsItem(const Change& change, const QByteArray& first) {
    if (change.kind == ChangeKind::Names)
        return isNameOpening(first) && openingIdText(first) == change.item.id;
    const QByteArray& prefix = category(change.item.category).headerPrefix;
    return headerCategory(first) == &category(change.item.category) &&
           decodeAnsi(QByteArrayView(first).sliced(prefix.size())) == change.item.id;
}

Outcome lineBreakIn(const Change& change) {
    if (change.kind == ChangeKind::Key && holdsLineBreak(change.key))
        return Outcome::of(Status::NotOwnKey, {}, decodeAnsi(change.key));
    const bool values =
        change.kind == ChangeKind::Key && ((change.base && holdsLineBreak(*change.base)) ||
                                           (change.now && holdsLineBreak(*change.now)));
    if (values || anyBreaksLine(change.baseLines) || anyBreaksLine(change.nowLines))
        return Outcome::of(Status::LineBreakInValue);
    return {};
}

// The text a change finds is its item's; so is the text an addition writes. A change of a
// record (or name record) may write another id: that is a rename.
Outcome otherItemsText(const Change& change) {
    const std::optional<Lines>& lines =
        change.kind == ChangeKind::Add || !change.baseLines ? change.nowLines : change.baseLines;
    if (lines && !lines->isEmpty() && !namesItsItem(change, lines->front()))
        return Outcome::of(Status::RecordNotItsItem, {}, decodeAnsi(lines->front()));
    return {};
}

// What a change claims: its kind ('k' a key line, 'i' an item's key lines, 'w' a whole record,
// 'r' a removed one, 'a' an added one, 'm' a moved one, 'n' a name record, 'x' a removed one,
// 'M' a moved one) and what it names, read from the change itself: its item (a name record's
// id alone) and, for a key line, the key and which of its lines.
struct Claim {
    char kind = 'k';
    const Change* change = nullptr;

    bool names() const { return kind == 'n' || kind == 'x' || kind == 'M'; }
    bool operator==(const Claim& other) const {
        const Change& a = *change;
        const Change& b = *other.change;
        if (kind != other.kind || a.item.id != b.item.id)
            return false;
        if (names())
            return true;
        return a.item == b.item &&
               (kind != 'k' || (a.key == b.key && a.keyOccurrence == b.keyOccurrence));
    }
};

size_t qHash(const Claim& claim, size_t seed = 0) {
    const Change& c = *claim.change;
    if (claim.names())
        return qHashMulti(seed, claim.kind, c.item.id);
    if (claim.kind != 'k')
        return qHashMulti(seed, claim.kind, c.item.id, int(c.item.category), c.item.occurrence);
    return qHashMulti(seed, claim.kind, c.item.id, int(c.item.category), c.item.occurrence, c.key,
                      c.keyOccurrence);
}

// What each change changes, as keys of a table: one thing changed twice is a key met twice.
// A record's reference means the folder before the set, an added one's the folder after it:
// only an addition and a removal of one reference say opposite things of it.
class Claims {
  public:
    explicit Claims(size_t changes) { taken_.reserve(qsizetype(changes) * 2); }

    // The earlier change that changes what change `i` does, or -1.
    qsizetype claim(const Change& change, size_t i) {
        const auto seen = [&](char kind) { return taken_.value(Claim{kind, &change}, -1); };
        switch (change.kind) {
        case ChangeKind::Key:
            return note(earliest({seen('k'), seen('w')}), {'k', 'i'}, change, i);
        case ChangeKind::Record:
            return note(earliest({seen('w'), seen('i')}), {'w'}, change, i);
        case ChangeKind::Remove:
            return note(earliest({seen('w'), seen('i'), seen('a'), seen('m')}), {'w', 'r'}, change,
                        i);
        case ChangeKind::Add:
            return note(earliest({seen('a'), seen('r')}), {'a'}, change, i);
        case ChangeKind::Names:
            // A removal says, as a move does, where the name record stands after the set.
            if (!change.nowLines)
                return note(earliest({seen('n'), seen('M')}), {'n', 'x'}, change, i);
            return note(earliest({seen('n')}), {'n'}, change, i);
        // A move says where a record stands after the set, as another move or a removal of it
        // does; the set's changes of its lines go with it.
        case ChangeKind::Move:
            return note(earliest({seen('m'), seen('r')}), {'m'}, change, i);
        case ChangeKind::NameMove:
            return note(earliest({seen('M'), seen('x')}), {'M'}, change, i);
        }
        return -1;
    }

  private:
    static qsizetype earliest(std::initializer_list<qsizetype> found) {
        qsizetype first = -1;
        for (const qsizetype at : found)
            if (at >= 0 && (first < 0 || at < first))
                first = at;
        return first;
    }

    // The claims of change `i` noted where none other claims the same; `earlier` passed on.
    qsizetype note(qsizetype earlier, std::initializer_list<char> kinds, const Change& change,
                   size_t i) {
        if (earlier < 0)
            for (const char kind : kinds)
                if (const Claim claim{kind, &change}; !taken_.contains(claim))
                    taken_.insert(claim, qsizetype(i));
        return earlier;
    }

    // The changes claimed, each by the first change that claims it; the set outlives it.
    QHash<Claim, qsizetype> taken_;
};

// Each typed text by its field's rules, in the set's order: its line, or the first refusal.
SetCheck judgeTypedTexts(const ChangeSet& changes) {
    SetCheck check;
    for (size_t i = 0; i < changes.size(); ++i) {
        const Change& change = changes[i];
        if (!change.isTyped)
            continue;
        if (check.typedLines.empty())
            check.typedLines.resize(changes.size());
        const int field = fieldOfKey(change.item.category, QString::fromLatin1(change.key));
        if (field < 0)
            continue;
        FieldLine typed =
            fieldLine(categoryFields(change.item.category).fields[size_t(field)], change.typed);
        if (!typed.accepted()) {
            check.outcome = std::move(typed.outcome);
            check.refusedAt = qsizetype(i);
            check.valueRefused = true;
            return check;
        }
        check.typedLines[i] = std::move(typed.line);
    }
    return check;
}

} // namespace

SetCheck checkChangeSet(const ChangeSet& changes) {
    SetCheck check = judgeTypedTexts(changes);
    if (!check.outcome.done())
        return check;
    Claims claims(changes.size());
    for (size_t i = 0; i < changes.size(); ++i) {
        const Change& change = changes[i];
        Outcome outcome = lineBreakIn(change);
        if (outcome.done())
            outcome = otherItemsText(change);
        if (!outcome.done()) {
            check.outcome = std::move(outcome);
            check.refusedAt = qsizetype(i);
            return check;
        }
        // A set of one change (a keystroke, a recipe's assignment) claims nothing twice.
        if (changes.size() == 1)
            break;
        if (const qsizetype earlier = claims.claim(change, i); earlier >= 0) {
            check.outcome = Outcome::of(Status::ChangedTwice);
            check.refusedAt = qsizetype(i);
            check.contradicts = earlier;
            return check;
        }
    }
    return check;
}

} // namespace wed
