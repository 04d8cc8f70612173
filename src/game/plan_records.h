#pragma once
// Whole records: a record changed, added or removed three-way on its lines.
#include "game/plan_state.h"

namespace wed {

// Whether the lines make one whole record of their own: a header line of the item's category
// (or, for a name record, "<id>") first, then no line that would start another record (or, in
// the name file, end this one). Otherwise the plan is refused.
bool wholeRecord(PlanState& s, const Change& change, const Lines& lines, bool names);

void planRecord(PlanState& s, size_t i);

} // namespace wed
