#include "game/plan_places.h"

namespace wed {
namespace {

qsizetype afterEarlierKept(const PlanState& s, const ItemRef& item) {
    qsizetype earlier = -1;
    int kept = 0;
    for (int k = 1; kept < item.occurrence - 1; ++k) {
        const qsizetype header = s.game.headerOf({item.category, item.id, k});
        if (header < 0)
            break;
        if (s.removed(header))
            continue;
        // One the set moves stands where it goes.
        earlier = s.movedTo.value(refText({item.category, item.id, k}),
                                  s.game.recordLast(item.category, header));
        ++kept;
    }
    return earlier;
}

} // namespace

qsizetype placeOf(const PlanState& s, const Change& change) {
    const CategoryId category = change.item.category;
    const LineBuffer& items = s.items();
    if (!change.after) {
        qsizetype first = items.lineCount();
        for (const Category& c : categories())
            if (!s.game.itemIndex().headers(c.id).empty())
                first = std::min(first, s.game.itemIndex().headers(c.id).front());
        return first < items.lineCount() ? first - 1 : lastLineOf(items);
    }
    if (s.movedTo.contains(refText(*change.after)))
        return s.movedTo.value(refText(*change.after));
    if (s.replacedUntil.contains(refText(*change.after)))
        return s.replacedUntil.value(refText(*change.after));
    if (const qsizetype header = s.headerOf(*change.after); header >= 0)
        return s.game.recordLast(change.after->category, header);
    if (s.addedAfter.contains(refText(*change.after)))
        return s.addedAfter.value(refText(*change.after));
    const std::vector<qsizetype>& own = s.game.itemIndex().headers(category);
    return own.empty() ? lastLineOf(items) : s.game.recordLast(category, own.back());
}

qsizetype afterEarlierOccurrence(const PlanState& s, const ItemRef& item) {
    const qsizetype added = s.addedOfId.value(refText({item.category, item.id, 1}), -1);
    return std::max(added, afterEarlierKept(s, item));
}

bool followsEarlierOccurrence(const PlanState& s, const ItemRef& item) {
    const ItemRef before{item.category, item.id, item.occurrence - 1};
    return item.occurrence < 2 || s.headerOf(before) >= 0 || s.addedAfter.contains(refText(before));
}

} // namespace wed
