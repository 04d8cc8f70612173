#pragma once
// Lines past a removed file end: the records that end a file without a line end are removed with
// the line end before them, and what the set adds there goes where the file then ends.
#include "game/plan_state.h"

namespace wed {

// The records that end a file without a line end are removed with the line end before them
// (and a name record with the empty line before it), so that the file still ends without one;
// a record added right after those line ends goes in front of them instead, and the file again
// ends without one.
void insertBeforeRemovedEnd(std::vector<Edit>& edits, const PlanState& s);

// Two removals that overlap (records that end a file without a line end each take the line end
// before them) remove the bytes of both, once. The edits are in file order.
void mergeRemovals(std::vector<Edit>& edits);

// Lines added after the file's last line, which a run of removals takes away, go where that run
// begins. This runs on the removals merged, so that one is the whole run.
void insertBeforeRemovedTail(std::vector<Edit>& edits, const PlanState& s);

} // namespace wed
