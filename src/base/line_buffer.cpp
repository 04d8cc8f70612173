#include "base/line_buffer.h"

#include "base/code_page.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace wed {

LineBuffer::LineBuffer(QByteArray bytes) {
    setBytes(std::move(bytes));
}

void LineBuffer::setBytes(QByteArray bytes) {
    bytes_ = std::move(bytes);
    starts_.clear();
    // Game files have lines of a dozen bytes or more: room for them all, as a rule.
    starts_.reserve(size_t(bytes_.size() / 12 + 1));
    starts_.push_back(0);
    findStarts(0, bytes_.size() + 1, starts_);
}

void LineBuffer::findStarts(qsizetype from, qsizetype until, std::vector<qsizetype>& starts) const {
    const char* data = bytes_.constData();
    // The CR of a CR LF whose line start comes before `until`.
    const qsizetype end = std::min(bytes_.size() - 1, until - 2);
    qsizetype pos = from;
#ifdef __SSE2__
    // Sixteen places at a time, each a CR whose next byte is LF; lines are short, so this
    // beats a search per line.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; pos + 16 <= end; pos += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + 1));
        auto ends = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, cr), _mm_cmpeq_epi8(next, lf))));
        for (; ends != 0; ends &= ends - 1)
            starts.push_back(pos + std::countr_zero(ends) + 2);
    }
#endif
    for (; pos < end; ++pos)
        if (data[pos] == '\r' && data[pos + 1] == '\n')
            starts.push_back(pos + 2);
}

LineChange LineBuffer::apply(const Splice& splice, std::optional<QByteArray> result) {
    const qsizetype shift = splice.inserted.size() - splice.removed.size();
    LineChange change{lineAt(splice.offset), lineAt(splice.offset + splice.removed.size()), -1};
    bytes_ = result ? *std::move(result) : applySplice(bytes_, splice);
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

QString LineBuffer::line(qsizetype index) const {
    const QByteArrayView bytes = lineBytes(index);
    return bytes.isEmpty() ? QString() : decodeAnsi(bytes);
}

void LineBuffer::changeWithinLines(QByteArray bytes, const Splices& changes) {
    bytes_ = std::move(bytes);
    // The lines between two changes all move by the same amount. Every start is visited
    // once, in order: a search would cost a cold pass over the starts for each change.
    qsizetype shift = 0;
    auto it = starts_.begin();
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        for (; it != starts_.end() && *it <= change->offset; ++it)
            *it += shift;
        shift += change->inserted.size() - change->removed.size();
    }
    for (; it != starts_.end(); ++it)
        *it += shift;
}

qsizetype LineBuffer::lineAt(qsizetype offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return qsizetype(after - starts_.begin()) - 1;
}

qsizetype LineBuffer::lineAt(qsizetype offset, qsizetype from) const {
    // Galloping from the line given: offsets asked in file order lie close together.
    const auto begin = starts_.begin() + from;
    size_t step = 1;
    auto low = begin;
    while (size_t(starts_.end() - low) > step && low[qsizetype(step)] <= offset) {
        low += qsizetype(step);
        step *= 2;
    }
    const auto high = size_t(starts_.end() - low) > step ? low + qsizetype(step) : starts_.end();
    const auto after = std::upper_bound(low, high, offset);
    return qsizetype(after - starts_.begin()) - 1;
}

qsizetype lastLineOf(const LineBuffer& buffer) {
    if (buffer.bytes().isEmpty())
        return -1;
    return buffer.bytes().endsWith("\r\n") ? buffer.lineCount() - 2 : buffer.lineCount() - 1;
}

bool holdsLineBreak(QByteArrayView bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

bool holdsLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

qsizetype loneLineBreak(QByteArrayView line) {
    const qsizetype lf = line.indexOf('\n');
    const qsizetype cr = line.first(lf < 0 ? line.size() : lf).indexOf('\r');
    return cr >= 0 ? cr : lf;
}

bool lacksCrLf(QByteArrayView bytes) {
    return !bytes.contains("\r\n") && (bytes.contains('\n') || bytes.contains('\r'));
}

QString GetLine(const LineBuffer& buffer, qsizetype lineIndex) {
    return buffer.line(lineIndex);
}

} // namespace wed
