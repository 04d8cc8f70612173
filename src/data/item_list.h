#pragma once

#include "base/category.h"
#include "base/line_buffer.h"
#include "data/item_index.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace wed {

// Ids of implant records that are never offered as items.
const QStringList& excludedImplantNames();
// The id of the implant record that holds the skill costs.
inline constexpr auto kSkillCostId = "ImplantSkillsCost";

// One entry of the item list: the id as its record header line has it (the text after the
// prefix, whole), the line index of that header line, and how many entries before it have the
// same id, so that the k-th of several equal ids stands for the k-th such record.
struct ListEntry {
    QString id;
    qsizetype headerLine = -1;
    int ordinal = 0;
};

struct ItemList {
    std::vector<ListEntry> entries;
    int skillCostRecords = 0; // skill-cost records met by the implant list
};

// Every record header line of the category, in file order. In the implant category the
// excluded names and the skill-cost record are dropped.
ItemList listItems(const LineBuffer& items, const ItemIndex& index, const Category& category);

// The entries' ids, in list order.
QStringList idsOf(const std::vector<ListEntry>& entries);

} // namespace wed
