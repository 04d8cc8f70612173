#include "base/byte_splice.h"

#include <algorithm>

namespace wed {

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

Splices inverseOf(const Splices& splices) {
    Splices inverse;
    for (auto it = splices.rbegin(); it != splices.rend(); ++it)
        inverse.push_back(it->inverse());
    return inverse;
}

qsizetype mapOffset(qsizetype offset, const Splices& series) {
    for (const Splice& change : series) {
        if (offset < 0 || offset < change.offset)
            continue;
        const qsizetype end = change.offset + change.removed.size();
        if (offset >= end && !(offset == change.offset && !change.removed.isEmpty()))
            offset += change.inserted.size() - change.removed.size();
        else if (!(offset == change.offset && !change.inserted.isEmpty()))
            offset = -1;
    }
    return offset;
}

std::optional<Splices> simultaneous(const Splices& series, bool takenBack) {
    for (size_t i = 1; i < series.size(); ++i)
        if (series[i].offset + series[i].removed.size() > series[i - 1].offset)
            return std::nullopt;
    if (!takenBack)
        return series;
    // Taken back, each splice's inserted bytes stand where it was made, moved by those below.
    Splices back(series.size());
    qsizetype shift = 0;
    for (size_t i = series.size(); i-- > 0;) {
        back[i] = {series[i].offset + shift, series[i].inserted, series[i].removed};
        shift += series[i].inserted.size() - series[i].removed.size();
    }
    return back;
}

namespace {

// One pass over the bytes, taking the splices from the start of the bytes on.
std::optional<QByteArray> applyInOnePass(QByteArrayView bytes, const Splices& splices) {
    QByteArray out;
    out.reserve(bytes.size());
    qsizetype at = 0;
    for (auto it = splices.rbegin(); it != splices.rend(); ++it) {
        if (it->offset < at || !spliceFits(bytes, *it))
            return std::nullopt;
        out.append(bytes.sliced(at, it->offset - at)).append(it->inserted);
        at = it->offset + it->removed.size();
    }
    return out.append(bytes.sliced(at));
}

std::optional<QByteArray> applyInTurn(QByteArray bytes, const Splices& splices) {
    for (const Splice& splice : splices) {
        if (!spliceFits(bytes, splice))
            return std::nullopt;
        bytes = applySplice(bytes, splice);
    }
    return bytes;
}

} // namespace

std::optional<QByteArray> applySplices(QByteArray bytes, const Splices& splices) {
    if (splices.size() > 1)
        if (const std::optional<Splices> once = simultaneous(splices, false))
            return applyInOnePass(bytes, *once);
    return applyInTurn(std::move(bytes), splices);
}

std::optional<QByteArray> revertSplices(QByteArray bytes, const Splices& splices) {
    if (splices.size() > 1)
        if (const std::optional<Splices> once = simultaneous(splices, true))
            return applyInOnePass(bytes, *once);
    return applyInTurn(std::move(bytes), inverseOf(splices));
}

} // namespace wed
