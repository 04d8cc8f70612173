#pragma once

#include "base/byte_splice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace wed {

// The lines one change of the bytes replaced: lines first to lastBefore of the old text became
// lines first to lastAfter of the new one. Lines before stay where they were; lines after move
// by moved().
struct LineChange {
    qsizetype first = 0;
    qsizetype lastBefore = -1;
    qsizetype lastAfter = -1;
    qsizetype moved() const { return lastAfter - lastBefore; }
};

// The whole text of one file, addressed by 0-based line index. Lines are split at CR LF only;
// a lone CR or LF is an ordinary character of its line. A text that ends with CR LF has one
// more, empty, line after it. The raw bytes are kept so that a rewrite can work on them.
class LineBuffer {
  public:
    explicit LineBuffer(QByteArray bytes = {});

    void setBytes(QByteArray bytes);
    const QByteArray& bytes() const { return bytes_; }
    // Applies a change that fits the bytes, finding line ends again only around it. `result`,
    // when given, is the bytes with the change made already (no second copy is made).
    LineChange apply(const Splice& splice, std::optional<QByteArray> result = std::nullopt);
    // Takes the bytes that changes inside lines gave (no line end made or taken): the lines
    // stay, each start moved by the changes before it. The changes all stand in the old bytes,
    // the last first (see simultaneous()).
    void changeWithinLines(QByteArray bytes, const Splices& changes);

    qsizetype lineCount() const { return qsizetype(starts_.size()); }
    // The line's bytes without its CR LF; empty for a missing line.
    QByteArrayView lineBytes(qsizetype index) const {
        if (index < 0 || index >= lineCount())
            return {};
        const qsizetype begin = starts_[size_t(index)];
        const qsizetype end =
            index + 1 < lineCount() ? starts_[size_t(index) + 1] - 2 : bytes_.size();
        return QByteArrayView(bytes_.constData() + begin, end - begin);
    }
    // The line decoded from the ANSI code page; empty for an empty or missing line.
    QString line(qsizetype index) const;
    // The index of the line that holds the byte at `offset` (the last line for the end).
    qsizetype lineAt(qsizetype offset) const;
    // The same, for an offset at or after the start of line `from`.
    qsizetype lineAt(qsizetype offset, qsizetype from) const;
    qsizetype lineStart(qsizetype index) const { return starts_[size_t(index)]; }

    bool operator==(const LineBuffer&) const = default;

  private:
    // Appends the start of every line that begins after a CR LF found from `from` on, up to
    // (not including) `until`.
    void findStarts(qsizetype from, qsizetype until, std::vector<qsizetype>& starts) const;

    QByteArray bytes_;
    std::vector<qsizetype> starts_; // byte offset of each line's first byte
};

// The index of the file's last line: -1 for an empty file. A buffer whose bytes end with CR LF
// ends there: the empty line it counts after them is no line of the file.
qsizetype lastLineOf(const LineBuffer& buffer);

// Whether the bytes (or the text) hold a CR or an LF: a line end, or a lone break that other
// programs end a line at. No key, value or line that a change writes may hold one.
bool holdsLineBreak(QByteArrayView bytes);
bool holdsLineBreak(QStringView text);

// Where a line (without its CR LF) holds a CR or an LF of its own: the index of the first one,
// or -1. Lines end at CR LF only, yet other programs end a line at such a lone break, so a line
// that holds one is two lines to them.
qsizetype loneLineBreak(QByteArrayView line);

// Whether a file's bytes hold an LF or a CR and no CR LF at all: its line ends are another
// system's, and split at CR LF only it would be one line.
bool lacksCrLf(QByteArrayView bytes);

// Fetches one line of a buffer: the empty text for an empty line or any index past the end.
QString GetLine(const LineBuffer& buffer, qsizetype lineIndex);

} // namespace wed
