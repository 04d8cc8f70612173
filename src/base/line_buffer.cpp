#include "base/line_buffer.h"

#include "base/code_page.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace wed {

LineBuffer::LineBuffer(QByteArray bytes) {
    setBytes(std::move(bytes));
}

namespace {

constexpr std::uint64_t kLowBits = 0x7f7f7f7f7f7f7f7full;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// The high bit of every byte of the word that equals the pattern's byte, and no other bit.
std::uint64_t bytesEqual(std::uint64_t word, std::uint64_t pattern) {
    const std::uint64_t x = word ^ pattern;
    return ~(((x & kLowBits) + kLowBits) | x) & kHighBits;
}

std::uint64_t load(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

} // namespace

void LineBuffer::setBytes(QByteArray bytes) {
    bytes_ = std::move(bytes);
    starts_.clear();
    starts_.push_back(0);
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    qsizetype pos = 0;
    // Eight places at a time, each a CR whose next byte is LF; lines are short, so this beats
    // a search per line.
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t cr = 0x0d0d0d0d0d0d0d0dull, lf = 0x0a0a0a0a0a0a0a0aull;
        for (; pos + 9 <= size; pos += 8) {
            for (std::uint64_t ends =
                     bytesEqual(load(data + pos), cr) & bytesEqual(load(data + pos + 1), lf);
                 ends != 0; ends &= ends - 1)
                starts_.push_back(pos + std::countr_zero(ends) / 8 + 2);
        }
    }
    for (; pos + 1 < size; ++pos)
        if (data[pos] == '\r' && data[pos + 1] == '\n')
            starts_.push_back(pos + 2);
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
