#include "image/tga_decoder.h"

#include "image/tga_pixels.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace wed {

namespace {

using namespace tga_pixels;

// The destination of decoded pixels, in the order the file stores them: row r of the file
// goes to the bitmap's top row r for top-down files and to row height-1-r otherwise.
class RowCursor {
  public:
    explicit RowCursor(QImage& image, bool topDown)
        : bits_(image.bits()), bytesPerLine_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), topDown_(topDown) {}

    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t* row(int r) const {
        const int y = topDown_ ? r : height_ - 1 - r;
        return reinterpret_cast<uint32_t*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_);
    }

    // Black from pixel x of file row r to the end of the image.
    void blackFrom(int r, int x) const {
        for (; r < height_; ++r, x = 0)
            std::fill(row(r) + x, row(r) + width_, kBlack);
    }

  private:
    uchar* bits_;
    qsizetype bytesPerLine_;
    int width_;
    int height_;
    bool topDown_;
};

// Pixel readers: how many bytes one stored pixel takes and its colour.
template <int N, uint32_t (*F)(const uint8_t*)> struct Direct {
    static constexpr int kBytes = N;
    uint32_t operator()(const uint8_t* s) const { return F(s); }
};
inline uint32_t greyByte(const uint8_t* s) {
    return grey(s[0]);
}
using Grey8 = Direct<1, greyByte>;
using GreyAlpha16 = Direct<2, greyByte>;
using Rgb15 = Direct<2, rgb555>;
using Bgr24 = Direct<3, bgr>;
using Bgrx32 = Direct<4, bgrx>;

struct Index8 {
    static constexpr int kBytes = 1;
    const uint32_t* lut;
    uint32_t operator()(const uint8_t* s) const { return lut[s[0]]; }
};
struct Index16 {
    static constexpr int kBytes = 2;
    const uint32_t* lut;
    uint32_t operator()(const uint8_t* s) const { return lut[s[0] | (s[1] << 8)]; }
};

template <class Px> void convert(const uint8_t* src, uint32_t* dst, int n, Px px) {
    for (int i = 0; i < n; ++i, src += Px::kBytes)
        dst[i] = px(src);
}

// Three-byte pixels are the common case of the item pictures: four at a time from three
// little-endian words.
void convert(const uint8_t* src, uint32_t* dst, int n, Bgr24 px) {
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 4 <= n; i += 4, src += 12) {
            uint32_t w[3];
            std::memcpy(w, src, 12);
            dst[i] = kOpaque | (w[0] & 0xffffffu);
            dst[i + 1] = kOpaque | (w[0] >> 24) | ((w[1] & 0xffffu) << 8);
            dst[i + 2] = kOpaque | (w[1] >> 16) | ((w[2] & 0xffu) << 16);
            dst[i + 3] = kOpaque | (w[2] >> 8);
        }
    }
    for (; i < n; ++i, src += 3)
        dst[i] = px(src);
}

template <class Px>
void decodeRaw(const uint8_t* src, qsizetype available, const RowCursor& out, Px px) {
    const qsizetype rowBytes = qsizetype{out.width()} * Px::kBytes;
    const int fullRows = static_cast<int>(std::min<qsizetype>(out.height(), available / rowBytes));
    for (int r = 0; r < fullRows; ++r, src += rowBytes)
        convert(src, out.row(r), out.width(), px);
    if (fullRows == out.height())
        return;
    // The file ends inside this row: a pixel it holds only part of counts as missing.
    const int partial = static_cast<int>((available - fullRows * rowBytes) / Px::kBytes);
    convert(src, out.row(fullRows), partial, px);
    out.blackFrom(fullRows, partial);
}

// Run-length packets: a byte c, then one pixel repeated (c & 127) + 1 times when bit 7 is set,
// else (c & 127) + 1 stored pixels. Packets run across row ends.
template <class Px>
void decodeRunLength(const uint8_t* src, qsizetype available, const RowCursor& out, Px px) {
    const uint8_t* const end = src + available;
    const int w = out.width();
    int r = 0, x = 0;
    uint32_t* row = out.row(0);
    auto advance = [&](int k) {
        x += k;
        if (x == w) {
            x = 0;
            if (++r < out.height())
                row = out.row(r);
        }
    };
    while (r < out.height() && src < end) {
        const uint8_t c = *src++;
        int n = (c & 127) + 1;
        if (c & 128) {
            if (end - src < Px::kBytes)
                break;
            const uint32_t v = px(src);
            src += Px::kBytes;
            while (n > 0 && r < out.height()) {
                const int k = std::min(n, w - x);
                std::fill(row + x, row + x + k, v);
                n -= k;
                advance(k);
            }
        } else {
            n = static_cast<int>(std::min<qsizetype>(n, (end - src) / Px::kBytes));
            while (n > 0 && r < out.height()) {
                const int k = std::min(n, w - x);
                convert(src, row + x, k, px);
                src += qsizetype{k} * Px::kBytes;
                n -= k;
                advance(k);
            }
            if (end - src < Px::kBytes)
                break;
        }
    }
    if (r < out.height())
        out.blackFrom(r, x);
}

template <class Px>
void decodePixels(const TgaHeader& h, const uint8_t* src, qsizetype available, const RowCursor& out,
                  Px px) {
    if (h.runLength())
        decodeRunLength(src, available, out, px);
    else
        decodeRaw(src, available, out, px);
}

// The colour of one colour-map entry.
uint32_t mapEntryColour(int depth, const uint8_t* s) {
    switch (depth) {
    case 8:
        return grey(s[0]);
    case 15:
    case 16:
        return rgb555(s);
    case 24:
        return bgr(s);
    case 32:
        return bgrx(s);
    default:
        return kBlack;
    }
}

// Index to colour: entry k of the map is index ColorMapStart + k; other indices are black.
std::vector<uint32_t> colourLookup(const TgaHeader& h, QByteArrayView bytes) {
    std::vector<uint32_t> lut(h.PixelDepth == 8 ? 256 : 65536, kBlack);
    const int entryBytes = h.colourMapEntryBytes();
    if (entryBytes == 0)
        return lut;
    const qsizetype mapOffset = TgaHeader::kSize + h.IDLength;
    const qsizetype inFile = std::max<qsizetype>(0, (bytes.size() - mapOffset) / entryBytes);
    const qsizetype entries = std::min<qsizetype>(h.ColorMapLength, inFile);
    const auto* s = reinterpret_cast<const uint8_t*>(bytes.data()) + mapOffset;
    for (qsizetype k = 0; k < entries; ++k, s += entryBytes) {
        const qsizetype index = h.ColorMapStart + k;
        if (index < static_cast<qsizetype>(lut.size()))
            lut[index] = mapEntryColour(h.ColorMapDepth, s);
    }
    return lut;
}

void decodeInto(const TgaHeader& h, QByteArrayView bytes, const RowCursor& out) {
    const qsizetype offset = std::min<qsizetype>(h.pixelDataOffset(), bytes.size());
    const auto* src = reinterpret_cast<const uint8_t*>(bytes.data()) + offset;
    const qsizetype available = bytes.size() - offset;
    if (h.colourMapped()) {
        const std::vector<uint32_t> lut = colourLookup(h, bytes);
        if (h.PixelDepth == 8)
            decodePixels(h, src, available, out, Index8{lut.data()});
        else
            decodePixels(h, src, available, out, Index16{lut.data()});
        return;
    }
    switch (h.PixelDepth) {
    case 8:
        return decodePixels(h, src, available, out, Grey8{});
    case 15:
        return decodePixels(h, src, available, out, Rgb15{});
    case 16:
        if (h.greyscale())
            return decodePixels(h, src, available, out, GreyAlpha16{});
        return decodePixels(h, src, available, out, Rgb15{});
    case 24:
        return decodePixels(h, src, available, out, Bgr24{});
    default:
        return decodePixels(h, src, available, out, Bgrx32{});
    }
}

void mirrorRows(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        std::reverse(row, row + image.width());
    }
}

} // namespace

TgaImage decodeTga(QByteArrayView bytes) {
    TgaImage result;
    result.header = parseTgaHeader(bytes);
    if (!result.header || !isDecodableTga(*result.header))
        return result;
    const TgaHeader& h = *result.header;
    QImage image(h.Width, h.Height, QImage::Format_RGB32);
    if (image.isNull()) // out of memory
        return result;
    decodeInto(h, bytes, RowCursor(image, h.topDown()));
    if (h.rightToLeft())
        mirrorRows(image);
    result.image = std::move(image);
    return result;
}

} // namespace wed
