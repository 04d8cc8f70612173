#include "data/record_scan.h"

#include "base/code_page.h"

namespace wed {

bool isRecordEndLine(QByteArrayView line, EndRule endRule) {
    if (line.isEmpty() || !mayEndRecord(line[0]))
        return false;
    return endRule == EndRule::SemicolonStars
               ? line.startsWith(";**")
               : line == QByteArrayView(kRecordSeparator, sizeof(kRecordSeparator) - 1);
}

std::optional<QByteArrayView> keyOfLine(QByteArrayView line) {
    const qsizetype at = line.indexOf('=');
    if (at < 0)
        return std::nullopt;
    return line.first(at);
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
    RecordBody body(items, header, endRule);
    while (body.next()) {
    }
    return body.last();
}

qsizetype keyLineIn(const LineBuffer& items, qsizetype header, EndRule endRule, QByteArrayView key,
                    int occurrence) {
    qsizetype found = -1;
    for (RecordBody body(items, header, endRule); body.next();)
        if (isKeyLineOf(body.line(), key)) {
            found = body.index();
            if (--occurrence == 0)
                return found;
        }
    return occurrence < 0 ? found : -1;
}

int keyOccurrenceIn(const LineBuffer& items, qsizetype header, EndRule endRule, QByteArrayView key,
                    qsizetype line) {
    int occurrence = 1;
    for (RecordBody body(items, header, endRule); body.next() && body.index() < line;)
        occurrence += isKeyLineOf(body.line(), key) ? 1 : 0;
    return occurrence;
}

std::vector<KeyHit> scanRecordAt(const LineBuffer& items, qsizetype header, EndRule endRule,
                                 const std::vector<QByteArray>& keys) {
    std::vector<KeyHit> hits(keys.size());
    for (RecordBody body(items, header, endRule); body.next();) {
        const QByteArrayView line = body.line();
        for (size_t k = 0; k < keys.size(); ++k) {
            const QByteArrayView key = QByteArrayView(keys[k]).chopped(1);
            if (!isKeyLineOf(line, key))
                continue;
            hits[k].value = decodeAnsi(line.sliced(keys[k].size()));
            hits[k].lineNumber = int(body.index() + 1);
        }
    }
    return hits;
}

} // namespace wed
