#pragma once

#include "base/category.h"
#include "base/line_buffer.h"
#include "data/item_index.h"
#include "data/item_list.h"
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

// The record of the category whose header line stands at line index `header` (-1: none).
ItemRecord readRecordAt(const LineBuffer& items, CategoryId category, qsizetype header);

// One field of the record whose header line stands at `header`, as readRecordAt gives it.
KeyHit readFieldAt(const LineBuffer& items, CategoryId category, qsizetype header, int field);

// The occurrence-th record (0 = the first) whose header line is the category's prefix and the
// id, found by a scan of the file.
ItemRecord readItemRecord(const LineBuffer& items, CategoryId category, const QString& id,
                          int occurrence = 0);

// The name record that opens at line index `opening` (-1: none), read by the category's layout.
ItemText readItemTextAt(const LineBuffer& names, CategoryId category, qsizetype opening);
// The item's name record "<id>" (the first in the file).
ItemText readItemText(const LineBuffer& names, const NameIndex& index, CategoryId category,
                      const QString& id);

// The names of the entries' items, each read by the category's layout (empty where an item
// has none): one pass for a whole list.
std::vector<QString> namesOf(const LineBuffer& names, const NameIndex& index, CategoryId category,
                             const std::vector<ListEntry>& entries);

// The header line of a category and an id.
QString headerLineOf(CategoryId category, const QString& id);

} // namespace wed
