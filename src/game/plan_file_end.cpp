#include "game/plan_file_end.h"

namespace wed {
namespace {

bool onlyLineEnds(QByteArrayView bytes) {
    return bytes.size() % 2 == 0 && bytes == kCrLf.repeated(bytes.size() / 2);
}

} // namespace

void insertBeforeRemovedEnd(std::vector<Edit>& edits, const PlanState& s) {
    for (const Edit& removal : edits) {
        const Splice& taken = removal.splice;
        if (taken.offset + taken.removed.size() != s.buffer(removal.file).bytes().size() ||
            !taken.removed.startsWith("\r\n"))
            continue;
        for (Edit& insertion : edits) {
            const qsizetype within = insertion.splice.offset - taken.offset;
            if (insertion.file != removal.file || !insertion.splice.removed.isEmpty() ||
                within <= 0 || within >= taken.removed.size())
                continue;
            // The line ends in front come off its end: the same lines, turned round.
            const QByteArray before = taken.removed.first(within);
            if (onlyLineEnds(before) && insertion.splice.inserted.endsWith(before))
                insertion.splice = {
                    taken.offset, {}, before + insertion.splice.inserted.chopped(within)};
        }
    }
}

void mergeRemovals(std::vector<Edit>& edits) {
    for (size_t k = 1; k < edits.size();) {
        Edit& a = edits[k - 1];
        const Edit& b = edits[k];
        const qsizetype end = a.splice.offset + a.splice.removed.size();
        if (a.file != b.file || !a.splice.inserted.isEmpty() || !b.splice.inserted.isEmpty() ||
            end <= b.splice.offset) {
            ++k;
            continue;
        }
        const qsizetype past = b.splice.offset + b.splice.removed.size();
        if (past > end)
            a.splice.removed += b.splice.removed.sliced(end - b.splice.offset);
        edits.erase(edits.begin() + qsizetype(k));
    }
}

void insertBeforeRemovedTail(std::vector<Edit>& edits, const PlanState& s) {
    for (const Edit& removal : edits) {
        const qsizetype end = removal.splice.offset + removal.splice.removed.size();
        // Only a file without a final line end takes lines after its last one with a line end
        // in front.
        const QByteArray& bytes = s.buffer(removal.file).bytes();
        if (removal.splice.removed.isEmpty() || !removal.splice.inserted.isEmpty() ||
            end != bytes.size() || bytes.endsWith(kCrLf))
            continue;
        // The first of them (the earliest change) needs no line end in front where the removal
        // leaves one.
        bool lineEndLeft = !removal.splice.removed.startsWith("\r\n");
        for (Edit& insertion : edits) // in file order, of one place the earliest first
            if (insertion.file == removal.file && insertion.splice.removed.isEmpty() &&
                insertion.splice.offset == end && insertion.splice.inserted.startsWith("\r\n")) {
                insertion.splice = {removal.splice.offset,
                                    {},
                                    lineEndLeft ? insertion.splice.inserted.sliced(2)
                                                : insertion.splice.inserted};
                // They stay the file's last lines, after those added where the run begins.
                insertion.among = Edit::Among::Last;
                lineEndLeft = false;
            }
    }
}

} // namespace wed
