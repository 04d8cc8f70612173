// What a decision and a merge's result say of themselves: who loses, how many conflicts.
#include "merge/mod_merge.h"

#include <algorithm>

namespace wed {

bool MergeDecision::loses(int mod) const {
    return mod != winner && mods[size_t(mod)].changed &&
           (winner < 0 || !mods[size_t(mod)].sameAs(mods[size_t(winner)]));
}

qsizetype MergeResult::conflicts() const {
    return std::count_if(decisions.begin(), decisions.end(),
                         [](const MergeDecision& d) { return d.conflict(); });
}

qsizetype MergeResult::openConflicts() const {
    return std::count_if(decisions.begin(), decisions.end(),
                         [](const MergeDecision& d) { return d.open(); });
}

} // namespace wed
