#pragma once

#include "base/line_buffer.h"

#include <QString>
#include <array>

namespace wed {

// The cost of one point of each attribute kind, as the texts of the skill-cost record, in the
// order health, strength, speed, accuracy, intelligence. Empty until a record has been read.
using SkillCosts = std::array<QString, 5>;

// The labels that keep the costs, in the same order.
inline constexpr const char* kSkillCostLabels[5] = {"Label40", "Label35", "Label36", "Label37",
                                                    "Label38"};

// Reads the record "Implant=ImplantSkillsCost" and updates the costs whose key lines it holds;
// costs it lacks, and all of them when there is no such record, keep their texts.
void LoadSkillCosts(const LineBuffer& items, SkillCosts& costs);

} // namespace wed
