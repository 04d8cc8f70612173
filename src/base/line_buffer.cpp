#include "base/line_buffer.h"

#include "base/code_page.h"

#include <algorithm>
#include <cstring>

namespace wed {

LineBuffer::LineBuffer(QByteArray bytes) {
    setBytes(std::move(bytes));
}

void LineBuffer::setBytes(QByteArray bytes) {
    bytes_ = std::move(bytes);
    starts_.clear();
    starts_.push_back(0);
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    for (qsizetype pos = 0; pos + 1 < size;) {
        const void* cr = std::memchr(data + pos, '\r', size_t(size - 1 - pos));
        if (!cr)
            break;
        pos = static_cast<const char*>(cr) - data;
        if (data[pos + 1] == '\n') {
            starts_.push_back(pos + 2);
            pos += 2;
        } else {
            ++pos;
        }
    }
}

QByteArrayView LineBuffer::lineBytes(qsizetype index) const {
    if (index < 0 || index >= lineCount())
        return {};
    const qsizetype begin = starts_[size_t(index)];
    const qsizetype end = index + 1 < lineCount() ? starts_[size_t(index) + 1] - 2 : bytes_.size();
    return QByteArrayView(bytes_.constData() + begin, end - begin);
}

QString LineBuffer::line(qsizetype index) const {
    const QByteArrayView bytes = lineBytes(index);
    return bytes.isEmpty() ? QString() : decodeAnsi(bytes);
}

qsizetype LineBuffer::lineAt(qsizetype offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return qsizetype(after - starts_.begin()) - 1;
}

QString GetLine(const LineBuffer& buffer, qsizetype lineIndex) {
    return buffer.line(lineIndex);
}

} // namespace wed
