#include "tga_writer.h"

namespace wed::sample {
namespace {

void put16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

int bytesPerPixel(TgaLayout layout) {
    switch (layout) {
    case TgaLayout::ColourMapped8:
    case TgaLayout::Grey8:
        return 1;
    case TgaLayout::True16:
        return 2;
    case TgaLayout::True24:
        return 3;
    case TgaLayout::True32:
        return 4;
    }
    return 0;
}

// Integer luminance weights (ITU-R BT.601), so that the result is the same everywhere.
std::uint8_t luminance(Rgb c) {
    return std::uint8_t((299 * c.red + 587 * c.green + 114 * c.blue + 500) / 1000);
}

// One pixel in the file's own byte order.
void appendPixel(QByteArray& out, const IndexedPicture& picture, int x, int y, TgaLayout layout) {
    const Rgb c = picture.colour(x, y);
    switch (layout) {
    case TgaLayout::ColourMapped8:
        out.append(char(picture.at(x, y)));
        break;
    case TgaLayout::Grey8:
        out.append(char(luminance(c)));
        break;
    case TgaLayout::True16:
        put16(out, 0x8000 | (c.red >> 3) << 10 | (c.green >> 3) << 5 | (c.blue >> 3));
        break;
    case TgaLayout::True24:
    case TgaLayout::True32:
        out.append(char(c.blue));
        out.append(char(c.green));
        out.append(char(c.red));
        if (layout == TgaLayout::True32)
            out.append(char(0xFF));
        break;
    }
}

// Run-length packets over one row of encoded pixels: a run of two or more equal pixels becomes
// a run packet, anything else gathers into raw packets; both hold at most 128 pixels.
void appendRunLengthRow(QByteArray& out, const QByteArray& row, int bpp) {
    const int count = int(row.size()) / bpp;
    auto same = [&](int a, int b) {
        return row.mid(qsizetype(a) * bpp, bpp) == row.mid(qsizetype(b) * bpp, bpp);
    };
    for (int i = 0; i < count;) {
        int run = 1;
        while (i + run < count && run < 128 && same(i, i + run))
            ++run;
        if (run >= 2) {
            out.append(char(0x80 | (run - 1)));
            out.append(row.mid(qsizetype(i) * bpp, bpp));
            i += run;
            continue;
        }
        int raw = 1;
        while (i + raw < count && raw < 128 && !(i + raw + 1 < count && same(i + raw, i + raw + 1)))
            ++raw;
        out.append(char(raw - 1));
        out.append(row.mid(qsizetype(i) * bpp, qsizetype(raw) * bpp));
        i += raw;
    }
}

void appendHeader(QByteArray& out, const IndexedPicture& picture, TgaFormat format) {
    const bool mapped = format.layout == TgaLayout::ColourMapped8;
    const int depth = 8 * bytesPerPixel(format.layout);
    const int alphaBits = format.layout == TgaLayout::True32   ? 8
                          : format.layout == TgaLayout::True16 ? 1
                                                               : 0;
    out.append(char(0));              // no image ID
    out.append(char(mapped ? 1 : 0)); // colour map present
    out.append(char(tgaImageType(format)));
    put16(out, 0);                                // first colour-map entry
    put16(out, mapped ? picture.paletteSize : 0); // colour-map entries
    out.append(char(mapped ? 24 : 0));            // bits per colour-map entry
    put16(out, 0);                                // x origin
    put16(out, 0);                                // y origin
    put16(out, picture.width);
    put16(out, picture.height);
    out.append(char(depth));
    out.append(char(alphaBits | (format.topDown ? 0x20 : 0)));
}

} // namespace

int tgaImageType(TgaFormat format) {
    const int base = format.layout == TgaLayout::ColourMapped8 ? 1
                     : format.layout == TgaLayout::Grey8       ? 3
                                                               : 2;
    return format.runLength ? base + 8 : base;
}

QByteArray encodeTga(const IndexedPicture& picture, TgaFormat format) {
    QByteArray out;
    appendHeader(out, picture, format);
    if (format.layout == TgaLayout::ColourMapped8) {
        for (int i = 0; i < picture.paletteSize; ++i) {
            const Rgb c = picture.palette[std::size_t(i)];
            out.append(char(c.blue));
            out.append(char(c.green));
            out.append(char(c.red));
        }
    }
    const int bpp = bytesPerPixel(format.layout);
    for (int k = 0; k < picture.height; ++k) {
        const int y = format.topDown ? k : picture.height - 1 - k;
        QByteArray row;
        for (int x = 0; x < picture.width; ++x)
            appendPixel(row, picture, x, y, format.layout);
        if (format.runLength)
            appendRunLengthRow(out, row, bpp);
        else
            out.append(row);
    }
    return out;
}

} // namespace wed::sample
