#pragma once
// The byte changes put together: two changes of the same bytes cannot both be made, and the
// rest are handed over from the end of each file towards its start.
#include "game/plan_state.h"

namespace wed {

// Two changes of the same bytes cannot both be made: the later one is a conflict, and none of
// its byte changes is made.
void markOverlaps(PlanState& s);

// The byte changes into the plan, from the end of each file towards its start; of two at one
// place, the one that removes bytes first, then the later change of the set, so that the
// earlier comes first in the file.
void handOver(PlanState& s);

} // namespace wed
