#include "edit/line_rewrite.h"

namespace wed {
namespace {

constexpr QByteArrayView kCrLf("\r\n");

bool endsWithCrLf(QByteArrayView file) {
    return file.size() >= 2 && file.sliced(file.size() - 2) == kCrLf;
}

// Byte offset of the first byte of line number n (1-based), or -1 when the file has fewer
// lines. Lines end at CR LF only, exactly as the line buffer splits them.
qsizetype lineStart(QByteArrayView file, qsizetype n) {
    qsizetype pos = 0;
    for (qsizetype line = 1; line < n; ++line) {
        const qsizetype end = file.indexOf(kCrLf, pos);
        if (end < 0)
            return -1;
        pos = end + 2;
    }
    return pos;
}

// Offset of the CR LF that ends the line starting at `start`, or the file's size.
qsizetype lineEnd(QByteArrayView file, qsizetype start) {
    const qsizetype end = file.indexOf(kCrLf, start);
    return end < 0 ? file.size() : end;
}

} // namespace

qsizetype addressableLines(QByteArrayView file) {
    if (file.isEmpty())
        return 0;
    qsizetype breaks = 0;
    for (qsizetype pos = file.indexOf(kCrLf); pos >= 0; pos = file.indexOf(kCrLf, pos + 2))
        ++breaks;
    // A final CR LF ends the last line; without one the text after the last break is a line.
    return endsWithCrLf(file) ? breaks : breaks + 1;
}

std::optional<QByteArray> rewriteLine(QByteArrayView file, qsizetype n, QByteArrayView line,
                                      bool insert) {
    if (n < 1)
        return std::nullopt;
    const bool closed = endsWithCrLf(file);
    const qsizetype start = file.isEmpty() ? -1 : lineStart(file, n);
    // Past the last line: the start found is the end of a file that ends with CR LF.
    const bool exists = start >= 0 && !(closed && start == file.size());
    QByteArray out;
    out.reserve(file.size() + line.size() + 4);
    if (exists) {
        out.append(file.first(start)).append(line);
        if (insert)
            out.append(kCrLf).append(file.sliced(start));
        else
            out.append(file.sliced(lineEnd(file, start)));
        if (!closed)
            out.append(kCrLf);
    } else if (insert) {
        out.append(file);
        if (!file.isEmpty() && !closed)
            out.append(kCrLf);
        out.append(line).append(kCrLf);
    } else {
        return std::nullopt;
    }
    return out;
}

} // namespace wed
