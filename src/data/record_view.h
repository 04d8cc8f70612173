#pragma once

#include "base/category.h"
#include "base/line_buffer.h"
#include "data/record_scan.h"

#include <QString>
#include <optional>
#include <vector>

namespace wed {

// What the view of one item shows: per field of the category (in the order of its field table)
// the value and the line number of its key line; hits with line number 0 are keys the record
// lacks, whose fields keep "无" and must never be written.
struct ItemRecord {
    std::vector<KeyHit> fields;
};

// The name and description of an item from the name file. No name when the name record or its
// name line is missing (the name box then keeps what it showed); the description is the record's
// description lines, each cut to 100 characters and followed by CR LF, or empty.
struct ItemText {
    std::optional<QString> name;
    QString description;
};

// The id-th item of the category: occurrence counts earlier list entries with the same id, so
// that the k-th of several equal entries shows the k-th record with that header.
ItemRecord readItemRecord(const LineBuffer& items, CategoryId category, const QString& id,
                          int occurrence = 0);

// The item's name record "<id>" (the first in the file), read by the category's line layout.
ItemText readItemText(const LineBuffer& names, CategoryId category, const QString& id);

} // namespace wed
