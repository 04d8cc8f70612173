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

// The line index of the occurrence-th line (0 = the first) that is exactly the header line,
// or -1.
qsizetype findHeaderLine(const LineBuffer& items, const QString& headerLine, int occurrence);

// The last line of the record whose header line stands at `header`: its end line, or, for a
// record without one, the line before the next record header line of any category (so a
// record missing its end line never reaches into the next item), or the file's last line.
qsizetype recordLastLine(const LineBuffer& items, qsizetype header, EndRule endRule);
// True when the record ends at an end line of its own (rather than at the next header or at
// the end of the file).
bool isRecordEndLine(QByteArrayView line, EndRule endRule);

// Reads the key lines of the record whose header line stands at `header` (-1: no record). A
// key is recognised by its whole literal with "=" at the first column; when a key occurs twice
// the last one wins. Returns one hit per key, in the order of the keys.
std::vector<KeyHit> scanRecordAt(const LineBuffer& items, qsizetype header, EndRule endRule,
                                 const std::vector<QByteArray>& keys);

} // namespace wed
