#pragma once

#include "base/line_buffer.h"
#include "data/item_fields.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace wed {

// A key line found inside a record: the value is all the text after the key's "=".
struct KeyHit {
    QString value;
    int lineNumber = 0; // 1-based line number in the file; 0 when the record lacks the key
};

// Finds the occurrence-th line (0 = the first) that is exactly the header line, then reads the
// record's key lines until its end line, or until the next record header line of any category
// (so a record missing its end line never reaches into the next item). A key is recognised by
// its whole literal with "=" at the first column; when a key occurs twice the last one wins.
// Returns one hit per key, in the order of the keys; empty hits when the header is not found.
std::vector<KeyHit> scanRecord(const LineBuffer& items, const QString& headerLine, int occurrence,
                               EndRule endRule, const std::vector<QByteArray>& keys);

} // namespace wed
