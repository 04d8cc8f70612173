#include "edit/line_splices.h"

namespace wed {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

bool closed(const LineBuffer& buffer) {
    return buffer.bytes().endsWith(kCrLf);
}

// The offset just past the line and its line end, or the end of the file.
qsizetype pastLine(const LineBuffer& buffer, qsizetype index) {
    return index + 1 < buffer.lineCount() ? buffer.lineStart(index + 1) : buffer.bytes().size();
}

} // namespace

Splice insertLinesAfter(const LineBuffer& buffer, qsizetype after, const QList<QByteArray>& lines) {
    const QByteArray text = lines.join(kCrLf);
    // Before the first line; into an empty file the lines come with their line end too, so
    // that more lines inserted there stay lines of their own.
    if (after < 0)
        return {0, {}, text + kCrLf};
    // After the last line of a file without a final line end: that line gets one first.
    if (after == lastLineOf(buffer) && !closed(buffer))
        return {buffer.bytes().size(), {}, kCrLf + text};
    return {pastLine(buffer, after), {}, text + kCrLf};
}

Splice removeLines(const LineBuffer& buffer, qsizetype first, qsizetype last) {
    qsizetype start = buffer.lineStart(first);
    const qsizetype end = pastLine(buffer, last);
    // Lines that end a file without a line end go with the line end before them, so that the
    // file still ends without one; not when the line before is empty, which would go with it.
    if (last == lastLineOf(buffer) && !closed(buffer) && first > 0 &&
        !buffer.lineBytes(first - 1).isEmpty())
        start -= kCrLf.size();
    return {start, buffer.bytes().sliced(start, end - start), {}};
}

Splice replaceLines(const LineBuffer& buffer, qsizetype first, qsizetype last,
                    const QList<QByteArray>& lines) {
    const qsizetype start = buffer.lineStart(first);
    const QByteArrayView lastLine = buffer.lineBytes(last);
    const qsizetype end = buffer.lineStart(last) + lastLine.size();
    // One line is its own bytes, with no copy made.
    return {start, buffer.bytes().sliced(start, end - start),
            lines.size() == 1 ? lines.front() : lines.join(kCrLf)};
}

} // namespace wed
