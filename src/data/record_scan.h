#pragma once

#include "base/category.h"
#include "base/line_buffer.h"
#include "data/item_fields.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace wed {

// The grammar of a record's body in weapon.cfg, known here alone. A record opens with its
// header line; its body is the lines after it up to its end line (which the category's end
// rule recognises), or, for a record without one, up to the next record header line of any
// category (so that a record missing its end line never reaches into the next item), or the
// file's end. A key line is a body line whose text up to its first "=" is the key.

// True when the line is an end line by the rule.
bool isRecordEndLine(QByteArrayView line, EndRule endRule);
// Whether a line that begins with this byte may be an end line: both rules' end lines begin
// with ";", and most lines are key lines, which do not.
inline bool mayEndRecord(char first) {
    return first == ';';
}

// Whether the line is a key line of the key (given without its "="): the key, then "=".
inline bool isKeyLineOf(QByteArrayView line, QByteArrayView key) {
    return line.size() > key.size() && line[key.size()] == '=' && line.startsWith(key);
}
// The key of a line: its text before the first "=", or none for a line without one.
std::optional<QByteArrayView> keyOfLine(QByteArrayView line);

// The body lines of the record whose header line stands at `header`, one at a time:
//     for (RecordBody body(items, header, rule); body.next();) use(body.index(), body.line());
class RecordBody {
  public:
    RecordBody(const LineBuffer& items, qsizetype header, EndRule endRule)
        : items_(items), at_(header), count_(header < 0 ? 0 : items.lineCount()), rule_(endRule) {}
    // Moves to the next body line; false once the body has ended.
    bool next() {
        if (++at_ >= count_)
            return false;
        line_ = items_.lineBytes(at_);
        // The first byte rules out most lines before any call.
        const char first = line_.isEmpty() ? '\0' : line_.front();
        ended_ = mayEndRecord(first) && isRecordEndLine(line_, rule_);
        return !ended_ && !(mayOpenRecord(first) && isRecordHeaderLine(line_));
    }
    qsizetype index() const { return at_; }
    QByteArrayView line() const { return line_; }
    // After the body: the record's last line (its end line, or the last body line).
    qsizetype last() const { return ended_ ? at_ : at_ - 1; }

  private:
    const LineBuffer& items_;
    qsizetype at_;
    qsizetype count_;
    EndRule rule_;
    QByteArrayView line_;
    bool ended_ = false;
};

// A key line found inside a record: the value is all the text after the key's "=".
struct KeyHit {
    QString value;
    int lineNumber = 0; // 1-based line number in the file; 0 when the record lacks the key
};

// The line index of the occurrence-th line (0 = the first) that is exactly the header line,
// or -1.
qsizetype findHeaderLine(const LineBuffer& items, const QString& headerLine, int occurrence);

// The last line of the record whose header line stands at `header`: its end line, or its last
// body line, or the header line itself.
qsizetype recordLastLine(const LineBuffer& items, qsizetype header, EndRule endRule);

// The line index of the occurrence-th key line of the key (from 1; 0 for the last) in the
// record whose header line stands at `header` (-1: none), or -1.
qsizetype keyLineIn(const LineBuffer& items, qsizetype header, EndRule endRule, QByteArrayView key,
                    int occurrence);
// Which key line of the key in that record the line is (from 1, as keyLineIn counts): one more
// than the key lines before it (1 for a line before them all, and for -1).
int keyOccurrenceIn(const LineBuffer& items, qsizetype header, EndRule endRule, QByteArrayView key,
                    qsizetype line);

// Reads the key lines of the record whose header line stands at `header` (-1: no record), each
// key given with its "=". When a key occurs twice the last one wins. Returns one hit per key,
// in the order of the keys.
std::vector<KeyHit> scanRecordAt(const LineBuffer& items, qsizetype header, EndRule endRule,
                                 const std::vector<QByteArray>& keys);

} // namespace wed
