#include "game/plan_names.h"

#include "game/plan_records.h"

namespace wed {
namespace {

// The opening line of the name file's first record ("<id>"), or -1.
qsizetype firstNameRecord(const LineBuffer& names) {
    for (qsizetype i = 0; i < names.lineCount(); ++i)
        if (isNameOpening(names.lineBytes(i)))
            return i;
    return -1;
}

} // namespace

void planNames(PlanState& s, size_t i) {
    const Change& change = s.changes[i];
    const std::optional<Lines>& lines = change.nowLines;
    if (lines && !wholeRecord(s, change, *lines, true))
        return;
    const NameRecordLines record = s.game.nameRecord(change.item.id);
    if (!s.threeWay(i, s.game.nameRecordLines(change.item.id), change.baseLines, change.nowLines))
        return;
    if (!lines)
        return s.add(GameFile::Names, removeNameRecord(s, record), i);
    if (record.opening >= 0)
        return s.add(GameFile::Names, replaceLines(s.names(), record.opening, record.last, *lines),
                     i);
    s.add(GameFile::Names, insertNameRecord(s, change, *lines), i);
}

Splice removeNameRecord(const PlanState& s, const NameRecordLines& record) {
    const LineBuffer& names = s.names();
    if (record.endedByEmptyLine)
        return removeLines(names, record.opening, record.last + 1);
    const bool emptyBefore = record.opening > 0 && names.lineBytes(record.opening - 1).isEmpty();
    return removeLines(names, record.opening - (emptyBefore ? 1 : 0), record.last);
}

Splice insertNameRecord(PlanState& s, const Change& change, Lines lines) {
    const LineBuffer& names = s.names();
    NamePlace place{change.after ? s.game.nameRecord(change.after->id) : NameRecordLines{},
                    !change.after};
    // Following one the set adds or moves: where that one goes.
    const bool followsAdded = change.after && s.namesAfter.contains(change.after->id);
    if (followsAdded)
        place = s.namesAfter.value(change.after->id);
    s.namesAfter.insert(change.item.id, place);
    if (const qsizetype first = firstNameRecord(names); place.first && first >= 0) {
        lines.append(QByteArray());
        return insertLinesAfter(names, first - 1, lines);
    }
    const NameRecordLines& after = place.after;
    if (after.opening >= 0 && after.endedByEmptyLine) {
        lines.append(QByteArray());
        return insertLinesAfter(names, after.last + 1, lines);
    }
    const qsizetype last = after.opening >= 0 ? after.last : lastLineOf(names);
    // A record that follows one the set adds there is parted from it too.
    if (followsAdded || (last >= 0 && !names.lineBytes(last).isEmpty()))
        lines.prepend(QByteArray());
    return insertLinesAfter(names, last, lines);
}

} // namespace wed
