#include "tga_builder.h"

#include <QByteArrayView>

namespace wed::test {

// Runs of two or more equal pixels become run packets, everything else raw packets, at most 128
// pixels each.
static QByteArray encodeRunLength(QByteArrayView pixels, int n) {
    const qsizetype count = pixels.size() / n;
    auto pixel = [&](qsizetype i) { return pixels.sliced(i * n, n); };
    QByteArray out;
    qsizetype i = 0;
    while (i < count) {
        qsizetype run = 1;
        while (i + run < count && run < 128 && pixel(i + run) == pixel(i))
            ++run;
        if (run >= 2) {
            out.append(static_cast<char>(0x80 | (run - 1)));
            out += pixel(i).toByteArray();
            i += run;
            continue;
        }
        qsizetype raw = 1;
        while (i + raw < count && raw < 128 &&
               !(i + raw + 1 < count && pixel(i + raw) == pixel(i + raw + 1)))
            ++raw;
        out.append(static_cast<char>(raw - 1));
        out += pixels.sliced(i * n, raw * n).toByteArray();
        i += raw;
    }
    return out;
}

QByteArray buildTga(const TgaParts& p) {
    const int entryBytes = (p.colorMapDepth + 7) / 8;
    QByteArray out;
    const auto word = [&out](int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    out.append(char(p.id.size())).append(char(p.colorMapType)).append(char(p.imageType));
    word(p.colorMapStart);
    word(entryBytes > 0 ? int(p.colorMap.size() / entryBytes) : 0);
    out.append(char(p.colorMapDepth));
    word(0); // the origin
    word(0);
    word(p.width);
    word(p.height);
    out.append(char(p.pixelDepth)).append(char(p.descriptor));
    const bool runLength = p.imageType == 9 || p.imageType == 10 || p.imageType == 11;
    return out + p.id + p.colorMap +
           (runLength ? encodeRunLength(p.pixels, (p.pixelDepth + 7) / 8) : p.pixels) + p.footer;
}

QByteArray patternPixels(int count, int n, uint32_t seed) {
    QByteArray out;
    uint32_t state = seed * 2654435761u + 1;
    QByteArray last;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        if (!last.isEmpty() && (state >> 29) < 3) { // about three in eight repeat
            out += last;
            continue;
        }
        last.clear();
        for (int b = 0; b < n; ++b) {
            state = state * 1664525u + 1013904223u;
            last.append(static_cast<char>(state >> 16));
        }
        out += last;
    }
    return out;
}

} // namespace wed::test
