#include "tga_builder.h"

namespace wed::test {

namespace {

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

} // namespace

QByteArray buildTga(const TgaParts& p) {
    const int entryBytes = (p.colorMapDepth + 7) / 8;
    const int length = p.colorMapLength >= 0 ? p.colorMapLength
                       : entryBytes > 0      ? int(p.colorMap.size() / entryBytes)
                                             : 0;
    QByteArray out;
    out.append(static_cast<char>(p.id.size()));
    out.append(static_cast<char>(p.colorMapType));
    out.append(static_cast<char>(p.imageType));
    putWord(out, p.colorMapStart);
    putWord(out, length);
    out.append(static_cast<char>(p.colorMapDepth));
    putWord(out, p.xOrigin);
    putWord(out, p.yOrigin);
    putWord(out, p.width);
    putWord(out, p.height);
    out.append(static_cast<char>(p.pixelDepth));
    out.append(static_cast<char>(p.descriptor));
    out += p.id;
    out += p.colorMap;
    const bool runLength = p.imageType == 9 || p.imageType == 10 || p.imageType == 11;
    out += runLength ? encodeRunLength(p.pixels, (p.pixelDepth + 7) / 8) : p.pixels;
    out += p.footer;
    return out;
}

QByteArray encodeRunLength(QByteArrayView pixels, int n) {
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

QByteArray patternPixels(int count, int n, uint32_t seed, int modulo) {
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
            last.append(static_cast<char>((state >> 16) % modulo));
        }
        out += last;
    }
    return out;
}

} // namespace wed::test
