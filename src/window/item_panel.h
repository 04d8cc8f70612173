#pragma once

#include "data/item_ref.h"
#include "data/record_scan.h"

#include <QString>
#include <vector>

namespace wed {

// What one category panel shows: the item whose record filled it, where its header line
// stands, the line number of each field's key line, and the text that stands in each field
// for what the file holds.
struct ItemPanel {
    ItemRef item;
    qsizetype headerLine = -1;   // -1: the record was not found, every field shows "无"
    qsizetype headerOffset = -1; // the header line's first byte, followed through writes
    std::vector<KeyHit> fields;  // per field of the category's table, from the record
    std::vector<QString> texts;  // per field: the value shown, or the text last written
};

} // namespace wed
