// Hand-written pixels for what the oracle corpus cannot judge: bounds, truncation, limits and
// files that are short, broken or missing.
#include "image/bitmap.h"
#include "image/tga_decoder.h"
#include "image/tga_reader.h"
#include "support/temp_game.h"
#include "tga_builder.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::TgaParts;

constexpr QRgb kBlack = 0xff000000;

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
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(1, 0), kBlack);
    // Entries 200-299 reach past the 8-bit indices.
    const TgaParts longMap = mapped(1, 200, QByteArray(3 * 100, '\x11'), "\xff");
    EXPECT_EQ(decodeTga(buildTga(longMap)).image.pixel(0, 0), qRgb(0x11, 0x11, 0x11));
}

TEST(TgaTruncated, MissingPixelsAreBlackAndPacketsBeyondTheImageAreIgnored) {
    // Five of twelve bytes: the first pixel whole, the second in part, two rows bottom-up.
    const QByteArray five("\x01\x02\x03\x04\x05", 5);
    const QImage raw = decodeTga(buildTga(trueColour24(2, 2, five, 0))).image;
    EXPECT_EQ(raw.pixel(0, 1), qRgb(3, 2, 1));
    for (QPoint at : {QPoint(1, 1), QPoint(0, 0), QPoint(1, 0)})
        EXPECT_EQ(raw.pixel(at), kBlack);

    const QImage rle = decodeTga(runLength("\x02\x01\x02\x03\x04")).image; // three, one given
    EXPECT_EQ(rle.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(rle.pixel(2, 0), kBlack);

    const QImage m =
        decodeTga(buildTga(mapped(2, 0, QByteArray(768, '\x22'), QByteArray(1, 0)))).image;
    EXPECT_EQ(m.pixel(0, 0), qRgb(0x22, 0x22, 0x22));
    EXPECT_EQ(m.pixel(1, 0), kBlack); // missing, not colour 0

    // 128 pixels into a one-pixel image.
    EXPECT_EQ(decodeTga(runLength("\xff\x01\x02\x03\x7f", 1)).image.pixel(0, 0), qRgb(3, 2, 1));

    const QByteArray header = buildTga(trueColour24(4, 4, {}));
    EXPECT_EQ(decodeTga(header).image.pixel(3, 3), kBlack);
    EXPECT_FALSE(decodeTga(header.left(17)).header.has_value());
    EXPECT_TRUE(decodeTga(header.left(17)).image.isNull());
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

TEST(LoadTGAFiles, ReadsAFileButMissingUnreadableAndBrokenFilesAreNotPictures) {
    test::TempGame dir;
    LoadTGA reader;
    const QByteArray good = buildTga(trueColour24(2, 1, "\x01\x02\x03\x04\x05\x06"));
    reader.Load(dir.writeFile("pic.tga", good + QByteArray(100, 'x')));
    EXPECT_EQ(reader.IsTGA(), -1);
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(1, 0), qRgb(6, 5, 4));

    CBitmap::SetCurrentBitmap(QImage(5, 5, QImage::Format_RGB32));
    for (const QString& path : {dir.writeFile("text.tga", "not a picture at all, just words"),
                                dir.folder(), dir.path("none.tga")}) {
        reader.Load(path);
        EXPECT_EQ(reader.IsTGA(), 0) << path.toStdString();
    }
    EXPECT_EQ(CBitmap::CurrentBitmap().size(), QSize(5, 5)); // left as it was
}

} // namespace
} // namespace wed
