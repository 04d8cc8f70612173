#pragma once

#include "base/category.h"
#include "base/line_buffer.h"

#include <QStringList>
#include <functional>

namespace wed {

// Ids of implant records that are never offered as items.
const QStringList& excludedImplantNames();
// The id of the implant record that holds the skill costs.
inline constexpr auto kSkillCostId = "ImplantSkillsCost";

// Lists the ids of every record header line of the category, in file order, over the whole
// buffer. In the implant category the excluded names and the skill-cost record are dropped;
// for every skill-cost entry met, onSkillCostRecord runs (it reads the skill costs).
QStringList listItemIds(const LineBuffer& items, const Category& category,
                        const std::function<void()>& onSkillCostRecord = {});

} // namespace wed
