#pragma once
// Records without their end line: such a record ends where the next one begins, so it goes
// right before that one, and the lines outside records in between stay outside it.
#include "game/plan_state.h"

namespace wed {

// The last line before the next record header after the line (of a record the set keeps), or
// the file's last line.
qsizetype beforeNextRecord(const PlanState& s, qsizetype line);

// Change `i` writes the record at `header` (to `last`) as `lines`, which lack the end line.
void replaceByOpenRecord(PlanState& s, size_t i, qsizetype header, qsizetype last,
                         const Lines& lines);

} // namespace wed
