#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace wed {

// The whole text of one file, addressed by 0-based line index. Lines are split at CR LF only;
// a lone CR or LF is an ordinary character of its line. A text that ends with CR LF has one
// more, empty, line after it. The raw bytes are kept so that a rewrite can work on them.
class LineBuffer {
  public:
    explicit LineBuffer(QByteArray bytes = {});

    void setBytes(QByteArray bytes);
    // The same, for bytes that differ from the buffer's only inside one line, with no CR LF
    // made or broken: the lines after it only move.
    void setBytesWithinLine(QByteArray bytes, qsizetype line);
    const QByteArray& bytes() const { return bytes_; }

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
    qsizetype lineStart(qsizetype index) const { return starts_[size_t(index)]; }

  private:
    QByteArray bytes_;
    std::vector<qsizetype> starts_; // byte offset of each line's first byte
};

// Fetches one line of a buffer: the empty text for an empty line or any index past the end.
QString GetLine(const LineBuffer& buffer, qsizetype lineIndex);

} // namespace wed
