#pragma once

#include "base/line_buffer.h"

#include <QString>
#include <array>

namespace wed {

// The cost of one point of each attribute kind, as the texts of the skill-cost record, in the
// order health, strength, speed, accuracy, intelligence. Empty until a record has been read.
using SkillCosts = std::array<QString, 5>;

// Reads the skill-cost record "Implant=ImplantSkillsCost" whose header line stands at `header`
// and updates the costs whose key lines it holds; costs it lacks, and all of them when there is
// no such record (-1), keep their texts.
void LoadSkillCosts(const LineBuffer& items, qsizetype header, SkillCosts& costs);

} // namespace wed
