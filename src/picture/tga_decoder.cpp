#include "picture/tga_decoder.h"

#include "picture/tga_colours.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

namespace wed {

namespace {

using namespace tga_colours;

// The destination of decoded pixels, in the order the file stores them: row r of the file
// goes to the buffer's top row r for top-down files and to row height-1-r otherwise.
class RowCursor {
  public:
    RowCursor(uint32_t* pixels, int width, int height, bool topDown)
        : pixels_(pixels), width_(width), height_(height), topDown_(topDown) {}

    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t* row(int r) const {
        const int y = topDown_ ? r : height_ - 1 - r;
        return pixels_ + static_cast<qsizetype>(y) * width_;
    }

    // Black from pixel x of file row r to the end of the image.
    void blackFrom(int r, int x) const {
        for (; r < height_; ++r, x = 0)
            std::fill(row(r) + x, row(r) + width_, kBlack);
    }

  private:
    uint32_t* pixels_;
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

// Each decoder returns whether the file gave every pixel.
template <class Px>
bool decodeRaw(const uint8_t* src, qsizetype available, const RowCursor& out, Px px) {
    const qsizetype rowBytes = qsizetype{out.width()} * Px::kBytes;
    const int fullRows = static_cast<int>(std::min<qsizetype>(out.height(), available / rowBytes));
    for (int r = 0; r < fullRows; ++r, src += rowBytes)
        convert(src, out.row(r), out.width(), px);
    if (fullRows == out.height())
        return true;
    // The file ends inside this row: a pixel it holds only part of counts as missing.
    const int partial = static_cast<int>((available - fullRows * rowBytes) / Px::kBytes);
    convert(src, out.row(fullRows), partial, px);
    out.blackFrom(fullRows, partial);
    return false;
}

// Run-length packets: a byte c, then one pixel repeated (c & 127) + 1 times when bit 7 is set,
// else (c & 127) + 1 stored pixels. Packets run across row ends.
template <class Px>
bool decodeRunLength(const uint8_t* src, qsizetype available, const RowCursor& out, Px px) {
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
    if (r == out.height())
        return true;
    out.blackFrom(r, x);
    return false;
}

template <class Px>
bool decodePixels(const TgaHeader& h, const uint8_t* src, qsizetype available, const RowCursor& out,
                  Px px) {
    return h.runLength() ? decodeRunLength(src, available, out, px)
                         : decodeRaw(src, available, out, px);
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

// Where the pixel data starts in the bytes; their end when the file is shorter.
qsizetype pixelOffset(const TgaHeader& h, QByteArrayView bytes) {
    return std::min<qsizetype>(h.pixelDataOffset(), bytes.size());
}

bool decodeInto(const TgaHeader& h, QByteArrayView bytes, const RowCursor& out) {
    const qsizetype offset = pixelOffset(h, bytes);
    const auto* src = reinterpret_cast<const uint8_t*>(bytes.data()) + offset;
    const qsizetype available = bytes.size() - offset;
    if (h.colourMapped()) {
        const std::vector<uint32_t> lut = colourLookup(h, bytes);
        if (h.PixelDepth == 8)
            return decodePixels(h, src, available, out, Index8{lut.data()});
        return decodePixels(h, src, available, out, Index16{lut.data()});
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

void mirrorRows(uint32_t* pixels, int width, int height) {
    for (int y = 0; y < height; ++y) {
        uint32_t* row = pixels + qsizetype{y} * width;
        std::reverse(row, row + width);
    }
}

// Spare values at the start of the memory, so that the pixels can begin anywhere in a 4 KiB page.
constexpr size_t kSpareValues = 4096 / sizeof(uint32_t);

// Where the pixels start in their memory: 2 KiB from the file's pixel bytes in the low 12 bits
// of their addresses. A copy whose stores land just ahead of its loads modulo 4 KiB looks to the
// processor as if each load hit an earlier store (4K aliasing): with such memory, 32-bit
// pictures decoded 1.8 times slower.
uint32_t* apartFrom(const char* source, uint32_t* memory) {
    const auto address = [](const void* p) { return reinterpret_cast<uintptr_t>(p); };
    return memory + ((address(source) + 2048 - address(memory)) & 4095) / sizeof(uint32_t);
}

} // namespace

TgaPixels decodeTga(QByteArrayView bytes) {
    TgaPixels result;
    result.header = parseTgaHeader(bytes);
    if (!result.header || !isDecodableTga(*result.header))
        return result;
    const TgaHeader& h = *result.header;
    // Not zeroed first: the decoders write every pixel, black where the file has none.
    result.memory.reset(new (std::nothrow) uint32_t[size_t{h.Width} * h.Height + kSpareValues]);
    if (!result.memory) // out of memory
        return result;
    result.pixels = apartFrom(bytes.data() + pixelOffset(h, bytes), result.memory.get());
    result.width = h.Width;
    result.height = h.Height;
    result.truncated =
        !decodeInto(h, bytes, RowCursor(result.pixels, h.Width, h.Height, h.topDown()));
    if (h.rightToLeft())
        mirrorRows(result.pixels, h.Width, h.Height);
    return result;
}

} // namespace wed
