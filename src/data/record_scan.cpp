#include "data/record_scan.h"

#include "base/category.h"
#include "base/code_page.h"

namespace wed {

bool isRecordEndLine(QByteArrayView line, EndRule endRule) {
    // Most lines are key lines: their first byte rules them out.
    if (line.isEmpty() || line[0] != ';')
        return false;
    return endRule == EndRule::SemicolonStars
               ? line.startsWith(";**")
               : line == QByteArrayView(kRecordSeparator, sizeof(kRecordSeparator) - 1);
}

qsizetype findHeaderLine(const LineBuffer& items, const QString& headerLine, int occurrence) {
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

qsizetype recordLastLine(const LineBuffer& items, qsizetype header, EndRule endRule) {
    const qsizetype n = items.lineCount();
    for (qsizetype i = header + 1; i < n; ++i) {
        const QByteArrayView line = items.lineBytes(i);
        if (isRecordEndLine(line, endRule))
            return i;
        if (isRecordHeaderLine(line))
            return i - 1;
    }
    return n - 1;
}

std::vector<KeyHit> scanRecordAt(const LineBuffer& items, qsizetype header, EndRule endRule,
                                 const std::vector<QByteArray>& keys) {
    std::vector<KeyHit> hits(keys.size());
    if (header < 0)
        return hits;
    for (qsizetype i = header + 1, n = items.lineCount(); i < n; ++i) {
        const QByteArrayView line = items.lineBytes(i);
        if (isRecordEndLine(line, endRule) || isRecordHeaderLine(line))
            break;
        for (size_t k = 0; k < keys.size(); ++k) {
            if (!line.startsWith(keys[k]))
                continue;
            hits[k].value = decodeAnsi(line.sliced(keys[k].size()));
            hits[k].lineNumber = int(i + 1);
        }
    }
    return hits;
}

} // namespace wed
