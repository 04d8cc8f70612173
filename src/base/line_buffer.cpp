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
    findStarts(0, bytes_.size() + 1, starts_);
}

void LineBuffer::findStarts(qsizetype from, qsizetype until, std::vector<qsizetype>& starts) const {
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    for (qsizetype pos = from; pos + 1 < size;) {
        const void* cr = std::memchr(data + pos, '\r', size_t(size - 1 - pos));
        if (!cr)
            break;
        pos = static_cast<const char*>(cr) - data;
        if (data[pos + 1] == '\n') {
            if (pos + 2 >= until)
                break;
            starts.push_back(pos + 2);
            pos += 2;
        } else {
            ++pos;
        }
    }
}

LineChange LineBuffer::apply(const Splice& splice) {
    const qsizetype shift = splice.inserted.size() - splice.removed.size();
    LineChange change{lineAt(splice.offset), lineAt(splice.offset + splice.removed.size()), -1};
    bytes_ = applySplice(bytes_, splice);
    // The first line after the change whose start is still a line start decides where finding
    // line ends can stop; a change that took a CR or an LF of a line end merges lines.
    const auto survives = [&](qsizetype line) {
        const qsizetype at = starts_[size_t(line)] + shift;
        return at >= 2 && bytes_[at - 2] == '\r' && bytes_[at - 1] == '\n';
    };
    while (change.lastBefore + 1 < lineCount() && !survives(change.lastBefore + 1))
        ++change.lastBefore;
    const bool tail = change.lastBefore + 1 < lineCount();
    const qsizetype until =
        tail ? starts_[size_t(change.lastBefore) + 1] + shift : bytes_.size() + 1;
    std::vector<qsizetype> found;
    findStarts(starts_[size_t(change.first)], until, found);
    const auto kept =
        starts_.erase(starts_.begin() + change.first + 1, starts_.begin() + change.lastBefore + 1);
    for (auto it = kept; it != starts_.end(); ++it)
        *it += shift;
    starts_.insert(kept, found.begin(), found.end());
    change.lastAfter = change.first + qsizetype(found.size());
    return change;
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

void LineBuffer::changeWithinLines(QByteArray bytes, const Splices& changes) {
    bytes_ = std::move(bytes);
    qsizetype shift = 0;
    auto change = changes.rbegin();
    for (qsizetype& start : starts_) {
        for (; change != changes.rend() && change->offset < start; ++change)
            shift += change->inserted.size() - change->removed.size();
        start += shift;
    }
}

qsizetype LineBuffer::lineAt(qsizetype offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return qsizetype(after - starts_.begin()) - 1;
}

QString GetLine(const LineBuffer& buffer, qsizetype lineIndex) {
    return buffer.line(lineIndex);
}

} // namespace wed
