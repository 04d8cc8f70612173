#pragma once
// Name records: changed, added or removed three-way on their lines, each parted from the next
// by an empty line.
#include "game/plan_state.h"

namespace wed {

void planNames(PlanState& s, size_t i);

// A name record's lines with the empty line that parts it from the next record, or, at the end
// of the file, from the one before it, which an added record got (insertNameRecord).
Splice removeNameRecord(const PlanState& s, const NameRecordLines& record);

// A new name record after the one it follows and its empty line (or after where the set adds
// that one), or, following none, before the first name record, with an empty line after it;
// at the end of a file that has none. A record that the end of the file ends gets the empty
// line first.
Splice insertNameRecord(PlanState& s, const Change& change, Lines lines);

} // namespace wed
