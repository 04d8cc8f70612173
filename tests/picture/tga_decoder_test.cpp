// Hand-written pixels for what the oracle corpus cannot judge: bounds, truncation and limits.
#include "tga_builder.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::pixelAt;
using test::rgb;
using test::TgaParts;

constexpr uint32_t kBlack = 0xff000000;

TgaParts trueColour24(uint16_t w, uint16_t h, QByteArray pixels, uint8_t descriptor = 0x20) {
    TgaParts p(2, 24, w, h, descriptor);
    p.pixels = std::move(pixels);
    return p;
}

// An 8-bit colour-mapped picture of `width` x 1 whose 24-bit map starts at `start`.
TgaParts mapped(int width, int start, QByteArray map, QByteArray indices) {
    TgaParts p(1, 8, uint16_t(width), 1, 0x20);
    p.pixels = std::move(indices);
    p.colorMapType = 1;
    p.colorMapDepth = 24;
    p.colorMapStart = uint16_t(start);
    p.colorMap = std::move(map);
    return p;
}

// A run-length picture of `width` x 1 whose packets are given as stored.
QByteArray runLength(const QByteArray& packets, uint16_t width = 3) {
    QByteArray bytes = buildTga(trueColour24(width, 1, {}));
    bytes[2] = 10;
    return bytes + packets;
}

TEST(TgaColourMap, IndicesOutsideTheMapAreBlackAndALongMapIsSkippedWhole) {
    const TgaParts p = mapped(2, 2, QByteArray(6, '\x01'), QByteArray("\x00\x04", 2));
    const TgaPixels image = decodeTga(buildTga(p));
    EXPECT_EQ(pixelAt(image, 0, 0), kBlack);
    EXPECT_EQ(pixelAt(image, 1, 0), kBlack);
    // Entries 200-299 reach past the 8-bit indices.
    const TgaParts longMap = mapped(1, 200, QByteArray(3 * 100, '\x11'), "\xff");
    EXPECT_EQ(pixelAt(decodeTga(buildTga(longMap)), 0, 0), rgb(0x11, 0x11, 0x11));
}

TEST(TgaTruncated, MissingPixelsAreBlackAndPacketsBeyondTheImageAreIgnored) {
    // Five of twelve bytes: the first pixel whole, the second in part, two rows bottom-up.
    const QByteArray five("\x01\x02\x03\x04\x05", 5);
    const TgaPixels raw = decodeTga(buildTga(trueColour24(2, 2, five, 0)));
    EXPECT_EQ(pixelAt(raw, 0, 1), rgb(3, 2, 1));
    for (auto [x, y] : {std::pair(1, 1), std::pair(0, 0), std::pair(1, 0)})
        EXPECT_EQ(pixelAt(raw, x, y), kBlack);

    const TgaPixels rle = decodeTga(runLength("\x02\x01\x02\x03\x04")); // three, one given
    EXPECT_EQ(pixelAt(rle, 0, 0), rgb(3, 2, 1));
    EXPECT_EQ(pixelAt(rle, 2, 0), kBlack);

    const TgaPixels m =
        decodeTga(buildTga(mapped(2, 0, QByteArray(768, '\x22'), QByteArray(1, 0))));
    EXPECT_EQ(pixelAt(m, 0, 0), rgb(0x22, 0x22, 0x22));
    EXPECT_EQ(pixelAt(m, 1, 0), kBlack); // missing, not colour 0

    // 128 pixels into a one-pixel image: more than enough.
    const TgaPixels over = decodeTga(runLength("\xff\x01\x02\x03\x7f", 1));
    EXPECT_EQ(pixelAt(over, 0, 0), rgb(3, 2, 1));
    EXPECT_FALSE(over.truncated);

    const QByteArray header = buildTga(trueColour24(4, 4, {}));
    EXPECT_EQ(pixelAt(decodeTga(header), 3, 3), kBlack);
    EXPECT_FALSE(decodeTga(header.left(17)).header.has_value());
    EXPECT_FALSE(decodeTga(header.left(17)).decoded());
}

// Cut anywhere after its header (in its colour map or pixels), a file lacks pixels, whatever its
// type, run-length packets included.
TEST(TgaTruncated, AFileShorterThanItsPixelsNeedIsTruncated) {
    const std::pair<uint8_t, uint8_t> kinds[] = {{2, 24},  {2, 16},  {3, 8},  {1, 8},
                                                 {10, 24}, {10, 32}, {11, 8}, {9, 16}};
    for (const auto& [type, depth] : kinds) {
        TgaParts p(type, depth, 5, 3);
        if (type == 1 || type == 9) {
            p.colorMapType = 1;
            p.colorMapDepth = 24;
            p.colorMap = QByteArray(12, '\x10');
        }
        p.pixels = test::patternPixels(15, (depth + 7) / 8, type);
        const QByteArray whole = buildTga(p);
        EXPECT_FALSE(decodeTga(whole).truncated) << int(type) << " " << int(depth);
        for (qsizetype size = TgaHeader::kSize; size < whole.size(); ++size)
            EXPECT_TRUE(decodeTga(whole.left(size)).truncated)
                << int(type) << " " << int(depth) << " cut to " << size << " of " << whole.size();
    }
}

// 16384 x 4096 at 24 bits is 256 MiB of bitmap: the largest accepted.
TEST(TgaAccepted, TypesDepthsAndSizeLimits) {
    const struct {
        uint8_t type, depth;
        uint16_t width, height;
        bool accepted;
    } cases[] = {{2, 15, 1, 1, true},      {1, 16, 1, 1, true},         {1, 24, 1, 1, false},
                 {2, 12, 1, 1, false},     {32, 8, 1, 1, false},        {33, 8, 1, 1, false},
                 {0, 24, 1, 1, false},     {2, 24, 16384, 4096, true},  {2, 24, 16384, 4097, false},
                 {2, 24, 16385, 1, false}, {2, 24, 65535, 65535, false}};
    for (const auto& c : cases) {
        const auto header = parseTgaHeader(buildTga(TgaParts(c.type, c.depth, c.width, c.height)));
        EXPECT_EQ(isDecodableTga(*header), c.accepted)
            << int(c.type) << " " << int(c.depth) << " " << c.width << "x" << c.height;
    }
}

} // namespace
} // namespace wed
