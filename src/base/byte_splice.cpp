#include "base/byte_splice.h"

#include <algorithm>

namespace wed {

Splice spliceBetween(QByteArrayView before, QByteArrayView after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    const auto first = std::mismatch(before.begin(), before.begin() + shorter, after.begin());
    const qsizetype start = first.first - before.begin();
    const auto last =
        std::mismatch(before.rbegin(), before.rend() - start, after.rbegin(), after.rend() - start);
    const qsizetype common = last.first - before.rbegin();
    return {start, before.sliced(start, before.size() - start - common).toByteArray(),
            after.sliced(start, after.size() - start - common).toByteArray()};
}

bool spliceFits(QByteArrayView bytes, const Splice& splice) {
    return splice.offset >= 0 && splice.offset + splice.removed.size() <= bytes.size() &&
           bytes.sliced(splice.offset, splice.removed.size()) == splice.removed;
}

QByteArray applySplice(QByteArrayView bytes, const Splice& splice) {
    Q_ASSERT(spliceFits(bytes, splice));
    QByteArray out;
    out.reserve(bytes.size() - splice.removed.size() + splice.inserted.size());
    out.append(bytes.first(splice.offset));
    out.append(splice.inserted);
    out.append(bytes.sliced(splice.offset + splice.removed.size()));
    return out;
}

std::optional<QByteArray> applySplices(QByteArray bytes, const Splices& splices) {
    for (const Splice& splice : splices) {
        if (!spliceFits(bytes, splice))
            return std::nullopt;
        bytes = applySplice(bytes, splice);
    }
    return bytes;
}

Splices inverseOf(const Splices& splices) {
    Splices inverse;
    for (auto it = splices.rbegin(); it != splices.rend(); ++it)
        inverse.push_back(it->inverse());
    return inverse;
}

std::optional<QByteArray> revertSplices(QByteArray bytes, const Splices& splices) {
    return applySplices(std::move(bytes), inverseOf(splices));
}

} // namespace wed
