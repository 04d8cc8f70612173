#include "game/plan_records.h"

#include "data/item_fields.h"
#include "game/plan_open_records.h"
#include "game/plan_places.h"

namespace wed {
namespace {

// Whether a record of the item's id after it, which the set keeps, holds the same lines: then
// the file may be the one a first apply left, the removed record's place taken by its twin, and
// a second removal would take that one too. So every record kept after a removed one differs
// from it, and the one a removal moves up into its reference never matches it again.
bool identicalLater(const PlanState& s, const ItemRef& item, const Lines& lines) {
    for (int k = item.occurrence + 1;; ++k) {
        const qsizetype header = s.headerOf(ItemRef{item.category, item.id, k});
        if (header < 0)
            return false;
        if (!s.removed(header) && s.game.recordLinesAt(item.category, header) == lines)
            return true;
    }
}

} // namespace

bool wholeRecord(PlanState& s, const Change& change, const Lines& lines, bool names) {
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QByteArray& line = lines[k];
        if (holdsLineBreak(line)) {
            s.refuse(planRefusal(Status::LineBreakInValue, change.item));
            return false;
        }
        const bool wrong = names ? (k == 0 ? !isNameOpening(line) : line.isEmpty())
                                 : (k == 0 ? headerCategory(line) != &category(change.item.category)
                                           : isRecordHeaderLine(line));
        if (wrong) {
            s.refuse(planRefusal(Status::NotARecord, change.item, decodeAnsi(line)));
            return false;
        }
    }
    if (lines.isEmpty())
        s.refuse(planRefusal(Status::NotARecord, change.item));
    return !lines.isEmpty();
}

void planRecord(PlanState& s, size_t i) {
    const Change& change = s.changes[i];
    const std::optional<Lines>& lines = change.nowLines;
    if (lines && !wholeRecord(s, change, *lines, false))
        return;
    const CategoryId category = change.item.category;
    const qsizetype header = s.headerOf(i);
    const std::optional<Lines> current =
        header < 0 ? std::nullopt : std::optional(s.game.recordLinesAt(category, header));
    const std::optional<Lines> base =
        change.kind == ChangeKind::Add ? std::nullopt : change.baseLines;
    if (change.kind == ChangeKind::Add && !current && !followsEarlierOccurrence(s, change.item))
        return s.conflict(i);
    if (!s.threeWay(i, current, base, change.nowLines))
        return;
    if (change.kind == ChangeKind::Remove && identicalLater(s, change.item, *base))
        return s.conflict(i);
    // A record without its end line ends at the next record: it goes right before that one,
    // after any lines outside records, so that it takes none of them in.
    const bool open = lines && !isRecordEndLine(lines->back(), categoryFields(category).endRule);
    if (change.kind == ChangeKind::Add) {
        qsizetype place = std::max(placeOf(s, change), afterEarlierOccurrence(s, change.item));
        if (open)
            place = beforeNextRecord(s, place);
        s.addedAfter.insert(refText(change.item), place);
        s.addedOfId.insert(refText({category, change.item.id, 1}), place);
        return s.add(GameFile::Items, insertLinesAfter(s.items(), place, *lines), i);
    }
    const qsizetype last = s.game.recordLast(category, header);
    if (!lines)
        return s.add(GameFile::Items, removeLines(s.items(), header, last), i);
    (open ? s.openAfter : s.closedAfter).insert(header);
    if (!open)
        return s.add(GameFile::Items, replaceLines(s.items(), header, last, *lines), i);
    replaceByOpenRecord(s, i, header, last, *lines);
}

} // namespace wed
