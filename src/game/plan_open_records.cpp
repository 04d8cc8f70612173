#include "game/plan_open_records.h"

#include "data/item_fields.h"

namespace wed {
namespace {

// The header line before which lines outside records stand outside them after the set: that of
// the record at `header`, or of the one before while that one is left, or made, without its end
// line (records the set removes do not count).
qsizetype outsideTarget(const PlanState& s, qsizetype header) {
    const LineBuffer& items = s.items();
    for (;;) {
        qsizetype before = -1;
        for (qsizetype k = header - 1; k >= 0 && before < 0; --k)
            if (isRecordHeaderLine(items.lineBytes(k)) && !s.removed(k))
                before = k;
        if (before < 0 || s.closedAfter.contains(before))
            return header;
        const Category& c = *headerCategory(items.lineBytes(before));
        const bool open = s.openAfter.contains(before) ||
                          !isRecordEndLine(items.lineBytes(s.game.recordLast(c.id, before)),
                                           categoryFields(c.id).endRule);
        if (!open)
            return header;
        header = before;
    }
}

} // namespace

qsizetype beforeNextRecord(const PlanState& s, qsizetype line) {
    const qsizetype last = lastLineOf(s.items());
    for (qsizetype k = line + 1; k <= last; ++k)
        if (isRecordHeaderLine(s.items().lineBytes(k)) && !s.removed(k))
            return k - 1;
    return last;
}

void replaceByOpenRecord(PlanState& s, size_t i, qsizetype header, qsizetype last,
                         const Lines& lines) {
    const LineBuffer& items = s.items();
    // The lines outside records up to the next record the set keeps move before it; the
    // records the set removes on the way go with this change.
    const qsizetype end = beforeNextRecord(s, last);
    s.replacedUntil.insert(refText(s.changes[i].item), end);
    Lines moved;
    for (qsizetype k = last + 1; k <= end; ++k) {
        if (s.removed(k)) {
            k = s.game.recordLast(headerCategory(items.lineBytes(k))->id, k);
            continue;
        }
        moved.append(items.lineBytes(k).toByteArray());
    }
    // Where the record before is one without its end line, they go before that one (or the
    // one before it), which would take them in too.
    // They are an insertion of their own, before any other at its place (a record the set
    // adds there without its end line would take them in too).
    if (!moved.isEmpty()) {
        s.add(GameFile::Items, insertLinesAfter(items, outsideTarget(s, header) - 1, moved), i);
        s.edits.back().among = Edit::Among::First;
        moved.clear();
    }
    // Whole lines with their line ends, so that a removal on the way lies within.
    const bool fileEnd = end == lastLineOf(items);
    const qsizetype begin = items.lineStart(header);
    const qsizetype stop = fileEnd ? items.bytes().size() : items.lineStart(end + 1);
    QByteArray text = (moved + lines).join("\r\n");
    if (!fileEnd || items.bytes().endsWith(kCrLf))
        text += kCrLf;
    s.add(GameFile::Items, {begin, items.bytes().sliced(begin, stop - begin), text}, i);
}

} // namespace wed
