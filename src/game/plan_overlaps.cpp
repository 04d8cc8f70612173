#include "game/plan_overlaps.h"

#include "game/plan_file_end.h"

namespace wed {
namespace {

// A stable sort of the edits that costs one pass when they are in order already, or in the
// reverse of it with no two alike: a set's changes come in the order of the file.
template <typename Less> void sortEdits(std::vector<Edit>& edits, Less less) {
    if (std::is_sorted(edits.begin(), edits.end(), less))
        return;
    const auto notBefore = [&](const Edit& a, const Edit& b) { return !less(b, a); };
    if (std::adjacent_find(edits.begin(), edits.end(), notBefore) == edits.end())
        return std::reverse(edits.begin(), edits.end());
    std::stable_sort(edits.begin(), edits.end(), less);
}

// A removal of bytes another change replaces already is made by that change.
void dropContainedRemovals(std::vector<Edit>& edits) {
    for (size_t k = 1; k < edits.size();) {
        const Edit& a = edits[k - 1];
        const Edit& b = edits[k];
        if (a.file == b.file && a.change != b.change && b.splice.inserted.isEmpty() &&
            b.splice.offset + b.splice.removed.size() <= a.splice.offset + a.splice.removed.size())
            edits.erase(edits.begin() + qsizetype(k));
        else
            ++k;
    }
}

} // namespace

void markOverlaps(PlanState& s) {
    std::vector<Edit>& edits = s.edits;
    insertBeforeRemovedEnd(edits, s);
    // An insertion where another change's bytes begin stands before them: no overlap.
    const auto inFileOrder = [](const Edit& a, const Edit& b) {
        if (a.file != b.file)
            return a.file < b.file;
        if (a.splice.offset != b.splice.offset)
            return a.splice.offset < b.splice.offset;
        if (a.splice.removed.isEmpty() != b.splice.removed.isEmpty())
            return a.splice.removed.isEmpty();
        return a.rank() < b.rank();
    };
    sortEdits(edits, inFileOrder);
    mergeRemovals(edits);
    dropContainedRemovals(edits);
    insertBeforeRemovedTail(edits, s);
    sortEdits(edits, inFileOrder);
    std::vector<bool> overlapping(s.changes.size(), false);
    for (size_t k = 1; k < edits.size(); ++k) {
        const Edit& a = edits[k - 1];
        const Edit& b = edits[k];
        if (a.file == b.file && a.change != b.change &&
            a.splice.offset + a.splice.removed.size() > b.splice.offset)
            overlapping[std::max(a.change, b.change)] = true;
    }
    std::erase_if(edits, [&](const Edit& e) { return overlapping[e.change]; });
    for (size_t i = 0; i < s.changes.size(); ++i)
        if (overlapping[i])
            s.conflict(i);
}

void handOver(PlanState& s) {
    sortEdits(s.edits, [](const Edit& a, const Edit& b) {
        if (a.splice.offset != b.splice.offset)
            return a.splice.offset > b.splice.offset;
        if (a.splice.removed.isEmpty() != b.splice.removed.isEmpty())
            return !a.splice.removed.isEmpty();
        return a.rank() > b.rank();
    });
    for (Edit& edit : s.edits)
        s.plan.made[size_t(edit.file)].push_back(std::move(edit.splice));
}

} // namespace wed
