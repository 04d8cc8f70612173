// Hand-written pixels for what the oracle corpus cannot judge: bounds, truncation, limits,
// the reader's properties and files that are short, broken or missing.
#include "image/bitmap.h"
#include "image/tga_decoder.h"
#include "image/tga_reader.h"
#include "support/temp_game.h"
#include "tga_builder.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::buildTga;
using test::TgaParts;

constexpr QRgb kBlack = 0xff000000;

TgaParts trueColour24(uint16_t w, uint16_t h, QByteArray pixels, uint8_t descriptor = 0x20) {
    TgaParts p;
    p.width = w;
    p.height = h;
    p.descriptor = descriptor;
    p.pixels = std::move(pixels);
    return p;
}

// An 8-bit colour-mapped picture of `width` x 1 whose 24-bit map starts at `start`.
TgaParts mapped(int width, int start, QByteArray map, QByteArray indices) {
    TgaParts p = trueColour24(uint16_t(width), 1, std::move(indices));
    p.imageType = 1;
    p.pixelDepth = 8;
    p.colorMapType = 1;
    p.colorMapDepth = 24;
    p.colorMapStart = uint16_t(start);
    p.colorMap = std::move(map);
    return p;
}

// A run-length picture of 3 x 1 whose packets are given as stored.
QByteArray runLength(const QByteArray& packets, uint16_t width = 3) {
    QByteArray bytes = buildTga(trueColour24(width, 1, {}));
    bytes[2] = 10;
    return bytes + packets;
}

TEST(TgaColourMap, StartOffsetsIndicesAndIndicesOutsideTheMapAreBlack) {
    TgaParts p =
        mapped(4, 2, QByteArray("\x01\x02\x03\x04\x05\x06", 6), QByteArray("\x02\x03\x00\x04", 4));
    p.id = "an image id";
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(image.pixel(1, 0), qRgb(6, 5, 4));
    EXPECT_EQ(image.pixel(2, 0), kBlack);
    EXPECT_EQ(image.pixel(3, 0), kBlack);

    // Entries 200-299 reach past the 8-bit indices; the whole map is still skipped.
    const TgaParts longMap = mapped(1, 200, QByteArray(3 * 100, '\x11'), "\xff");
    EXPECT_EQ(decodeTga(buildTga(longMap)).image.pixel(0, 0), qRgb(0x11, 0x11, 0x11));
}

TEST(TgaTruncated, MissingPixelsAreBlackAndPacketsBeyondTheImageAreIgnored) {
    // Five of twelve bytes: the first pixel whole, the second in part, two rows bottom-up.
    const QByteArray four("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c", 12);
    const QImage raw = decodeTga(buildTga(trueColour24(2, 2, four.left(5), 0))).image;
    EXPECT_EQ(raw.pixel(0, 1), qRgb(3, 2, 1));
    for (QPoint at : {QPoint(1, 1), QPoint(0, 0), QPoint(1, 0)})
        EXPECT_EQ(raw.pixel(at), kBlack);

    const QImage rle = decodeTga(runLength("\x02\x01\x02\x03\x04")).image; // three, one given
    EXPECT_EQ(rle.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(rle.pixel(1, 0), kBlack);
    EXPECT_EQ(rle.pixel(2, 0), kBlack);

    const QImage m =
        decodeTga(buildTga(mapped(2, 0, QByteArray(768, '\x22'), QByteArray(1, 0)))).image;
    EXPECT_EQ(m.pixel(0, 0), qRgb(0x22, 0x22, 0x22));
    EXPECT_EQ(m.pixel(1, 0), kBlack); // missing, not colour 0

    // 128 pixels into a one-pixel image.
    EXPECT_EQ(decodeTga(runLength("\xff\x01\x02\x03\x7f", 1)).image.pixel(0, 0), qRgb(3, 2, 1));
}

TEST(TgaTruncated, HeaderAloneOrLessIsHandled) {
    const QByteArray header = buildTga(trueColour24(4, 4, {}));
    const TgaImage empty = decodeTga(header);
    ASSERT_FALSE(empty.image.isNull());
    EXPECT_EQ(empty.image.pixel(3, 3), kBlack);
    EXPECT_FALSE(decodeTga(header.left(17)).header.has_value());
    EXPECT_TRUE(decodeTga(header.left(17)).image.isNull());
}

TEST(TgaAccepted, TypesDepthsAndSizeLimits) {
    const struct {
        uint8_t type, depth;
        int accepted;
    } kinds[] = {{2, 15, -1}, {1, 16, -1}, {1, 24, 0}, {2, 12, 0},
                 {32, 8, 0},  {33, 8, 0},  {0, 24, 0}};
    for (const auto& k : kinds) {
        TgaParts p;
        p.imageType = k.type;
        p.pixelDepth = k.depth;
        LoadTGA reader;
        reader.LoadFromBytes(buildTga(p));
        EXPECT_EQ(reader.IsTGA(), k.accepted) << int(k.type) << " " << int(k.depth);
    }

    TgaHeader h;
    h.ImageType = 2;
    h.PixelDepth = 24;
    h.Width = 16384;
    h.Height = 4096; // 256 MiB of bitmap: the largest accepted
    EXPECT_TRUE(isDecodableTga(h));
    h.Height = 4097;
    EXPECT_FALSE(isDecodableTga(h));
    h.Width = 16385;
    h.Height = 1;
    EXPECT_FALSE(isDecodableTga(h));
    TgaParts huge;
    huge.width = 65535;
    huge.height = 65535;
    LoadTGA reader;
    reader.LoadFromBytes(buildTga(huge));
    EXPECT_EQ(reader.IsTGA(), 0);
}

TEST(TgaAccepted, OriginsAreScreenPositionsNotSizes) {
    TgaParts p = trueColour24(3, 2, QByteArray(18, '\x05'));
    p.xOrigin = 2;
    p.yOrigin = -7;
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(2, 0), qRgb(5, 5, 5));
}

TEST(LoadTGAProperties, SizesInTwipsOrPixelsByScaleMode) {
    LoadTGA reader;
    EXPECT_EQ(reader.ScaleMode(), 1);
    EXPECT_EQ(reader.Autoscale(), -1);
    reader.LoadFromBytes(buildTga(trueColour24(4, 3, QByteArray(36, '\0'))));
    EXPECT_EQ(reader.TGAWidth(), 4 * 15); // twips at 96 DPI (no screen here)
    EXPECT_EQ(reader.TGAHeight(), 3 * 15);
    reader.setScaleMode(5); // not a scale mode: ignored
    EXPECT_EQ(reader.ScaleMode(), 1);
    reader.setScaleMode(0);
    EXPECT_EQ(reader.TGAWidth(), 4);
    reader.setScaleMode(-1);
    EXPECT_EQ(reader.TGAHeight(), 0);
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
    EXPECT_EQ(reader.Bpp(), 0);                              // nothing read from a missing file
    EXPECT_EQ(CBitmap::CurrentBitmap().size(), QSize(5, 5)); // left as it was
}

} // namespace
} // namespace wed
