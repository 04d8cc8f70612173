#include "data/record_scan.h"

#include "base/category.h"
#include "base/code_page.h"

namespace wed {
namespace {

bool endsRecord(QByteArrayView line, EndRule rule) {
    if (rule == EndRule::SemicolonStars ? line.startsWith(";**") : line == kRecordSeparator)
        return true;
    return isRecordHeaderLine(line);
}

// Index of the occurrence-th line equal to the header line, or -1.
qsizetype findHeader(const LineBuffer& items, const QString& headerLine, int occurrence) {
    // Header lines start with an ASCII prefix; only lines that could match are decoded.
    const QByteArray start = headerLine.left(headerLine.indexOf(u'=') + 1).toLatin1();
    for (qsizetype i = 0, n = items.lineCount(); i < n; ++i) {
        const QByteArrayView line = items.lineBytes(i);
        if (!line.startsWith(start) || decodeAnsi(line) != headerLine)
            continue;
        if (occurrence-- == 0)
            return i;
    }
    return -1;
}

void readKeys(QByteArrayView line, qsizetype index, const std::vector<QByteArray>& keys,
              std::vector<KeyHit>& hits) {
    for (size_t k = 0; k < keys.size(); ++k) {
        if (!line.startsWith(keys[k]))
            continue;
        hits[k].value = decodeAnsi(line.sliced(keys[k].size()));
        hits[k].lineNumber = int(index + 1);
    }
}

} // namespace

std::vector<KeyHit> scanRecord(const LineBuffer& items, const QString& headerLine, int occurrence,
                               EndRule endRule, const std::vector<QByteArray>& keys) {
    std::vector<KeyHit> hits(keys.size());
    const qsizetype header = findHeader(items, headerLine, occurrence);
    if (header < 0)
        return hits;
    for (qsizetype i = header + 1, n = items.lineCount(); i < n; ++i) {
        const QByteArrayView line = items.lineBytes(i);
        if (endsRecord(line, endRule))
            break;
        readKeys(line, i, keys, hits);
    }
    return hits;
}

} // namespace wed
