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
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    qsizetype pos = 0;
#ifdef __SSE2__
    // Sixteen places at a time, each a CR whose next byte is LF; lines are short, so this
    // beats a search per line.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; pos + 17 <= size; pos += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + 1));
        auto ends = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, cr), _mm_cmpeq_epi8(next, lf))));
        for (; ends != 0; ends &= ends - 1)
            starts_.push_back(pos + std::countr_zero(ends) + 2);
    }
#endif
    for (; pos + 1 < size; ++pos)
        if (data[pos] == '\r' && data[pos + 1] == '\n')
            starts_.push_back(pos + 2);
}

void LineBuffer::setBytesWithinLine(QByteArray bytes, qsizetype line) {
    const qsizetype grown = bytes.size() - bytes_.size();
    bytes_ = std::move(bytes);
    for (size_t i = size_t(line) + 1; i < starts_.size(); ++i)
        starts_[i] += grown;
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
