#include "data/pair_value.h"

#include "data/numeric_value.h"

namespace wed {

std::optional<PairSpans> pairSpans(QStringView value) {
    PairSpans spans;
    int found = 0;
    for (qsizetype i = 0; i < value.size();) {
        if (value[i] == u' ') {
            ++i;
            continue;
        }
        const qsizetype end = value.indexOf(u' ', i);
        const qsizetype stop = end < 0 ? value.size() : end;
        if (found == 2 || !isNumber(value.sliced(i, stop - i)))
            return std::nullopt;
        spans.start[found] = i;
        spans.length[found++] = stop - i;
        i = stop;
    }
    if (found != 2)
        return std::nullopt;
    return spans;
}

QString pairHalf(QStringView value, int half) {
    const std::optional<PairSpans> spans = pairSpans(value);
    if (!spans)
        return half == 0 ? value.toString() : QString();
    return value.sliced(spans->start[half], spans->length[half]).toString();
}

std::optional<QString> withPairHalf(QStringView value, int half, QStringView text) {
    const std::optional<PairSpans> spans = pairSpans(value);
    if (!spans)
        return half == 0 ? std::optional(text.toString()) : std::nullopt;
    QString changed = value.toString();
    changed.replace(spans->start[half], spans->length[half], text.toString());
    return changed;
}

} // namespace wed
