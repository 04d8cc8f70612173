#pragma once
// Where an added record goes: after the record it follows, and after the earlier occurrences of
// its id, so that its reference names it after the set too.
#include "game/plan_state.h"

namespace wed {

// The line an added record goes after: the end of the record it follows (or, for a record the
// set adds, where that one goes), or of the last record of its category when that one is
// missing; "first" goes before the first record.
qsizetype placeOf(const PlanState& s, const Change& change);

// An item added as the K-th record of its id goes after the (K-1)-th that the set keeps, and
// after the earlier ones it adds (planned first, see planningOrder), so that its reference names
// it after the set too: a folder whose records came in another order gives places that would put
// it before. -1 when nothing holds it back.
qsizetype afterEarlierOccurrence(const PlanState& s, const ItemRef& item);

// Whether a record added as its id's occurrence-th would be that: the folder has the one
// before, or the set adds it.
bool followsEarlierOccurrence(const PlanState& s, const ItemRef& item);

} // namespace wed
