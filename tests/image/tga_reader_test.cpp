// Hand-written pixels for what the oracle cannot judge, the reader's properties, its limits
// and files that are short, broken or missing.
#include "image/bitmap.h"
#include "image/tga_decoder.h"
#include "image/tga_reader.h"
#include "tga_builder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wed {
namespace {

using test::buildTga;
using test::TgaParts;

constexpr QRgb kBlack = 0xff000000;

TgaParts trueColour24(uint16_t w, uint16_t h, QByteArray pixels, uint8_t descriptor = 0) {
    TgaParts p;
    p.width = w;
    p.height = h;
    p.descriptor = descriptor;
    p.pixels = std::move(pixels);
    return p;
}

// 2 x 2 pixels stored blue, green, red: 1 2 3 | 4 5 6 / 7 8 9 | 10 11 12.
const QByteArray kFourPixels("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c", 12);

TEST(TgaRowOrder, BottomUpTopDownAndRightToLeft) {
    const QImage bottomUp = decodeTga(buildTga(trueColour24(2, 2, kFourPixels))).image;
    EXPECT_EQ(bottomUp.pixel(0, 1), qRgb(3, 2, 1)); // first stored row is the bottom row
    EXPECT_EQ(bottomUp.pixel(1, 0), qRgb(12, 11, 10));

    const QImage topDown = decodeTga(buildTga(trueColour24(2, 2, kFourPixels, 0x20))).image;
    EXPECT_EQ(topDown.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(topDown.pixel(1, 1), qRgb(12, 11, 10));

    const QImage mirrored = decodeTga(buildTga(trueColour24(2, 2, kFourPixels, 0x30))).image;
    EXPECT_EQ(mirrored.pixel(1, 0), qRgb(3, 2, 1)); // first stored pixel is the rightmost
    EXPECT_EQ(mirrored.pixel(0, 1), qRgb(12, 11, 10));

    const QImage both = decodeTga(buildTga(trueColour24(2, 2, kFourPixels, 0x10))).image;
    EXPECT_EQ(both.pixel(1, 1), qRgb(3, 2, 1));
}

TEST(TgaRunLength, RunPacketRepeatsOnePixelAcrossRows) {
    TgaParts p = trueColour24(3, 2, {}, 0x20);
    QByteArray bytes = buildTga(p);
    bytes[2] = 10;
    bytes += QByteArray("\x83\x10\x20\x30\x01\x01\x02\x03\x04\x05\x06", 11);
    const QImage image = decodeTga(bytes).image;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.pixel(i % 3, i / 3), qRgb(0x30, 0x20, 0x10));
    EXPECT_EQ(image.pixel(1, 1), qRgb(3, 2, 1));
    EXPECT_EQ(image.pixel(2, 1), qRgb(6, 5, 4));
}

TEST(TgaRunLength, PacketsBeyondTheImageAreIgnored) {
    QByteArray bytes = buildTga(trueColour24(1, 1, {}));
    bytes[2] = 10;
    bytes += QByteArray("\xff\x01\x02\x03\x7f", 5); // 128 pixels into a one-pixel image
    EXPECT_EQ(decodeTga(bytes).image.pixel(0, 0), qRgb(3, 2, 1));
}

TEST(TgaColours, FiveBitChannelsExpandToFullIntensity) {
    TgaParts p;
    p.pixelDepth = 16;
    p.width = 4;
    p.descriptor = 0x20;
    // Words 0x7c00 (red), 0x03e0 (green), 0x801f (blue, top bit set), 0x0421 (1, 1, 1).
    p.pixels = QByteArray("\x00\x7c\xe0\x03\x1f\x80\x21\x04", 8);
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(3, 0), qRgb(8, 8, 8)); // 1 x 255 / 31
}

TEST(TgaColours, SixteenBitColourMapEntriesFollowTheFormat) {
    TgaParts p;
    p.imageType = 1;
    p.pixelDepth = 8;
    p.colorMapType = 1;
    p.colorMapDepth = 16;
    p.colorMap = QByteArray("\xf8\x00\x00\x7c", 4); // word 0x00f8: blue 24, green 7
    p.width = 2;
    p.descriptor = 0x20;
    p.pixels = QByteArray("\x00\x01", 2);
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 7 * 255 / 31, 24 * 255 / 31));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
}

TEST(TgaColours, GreyIsDrawnInGreyAndAlphaIsIgnored) {
    TgaParts grey;
    grey.imageType = 3;
    grey.pixelDepth = 8;
    grey.width = 2;
    grey.pixels = QByteArray("\x00\x80", 2);
    const QImage g = decodeTga(buildTga(grey)).image;
    EXPECT_EQ(g.pixel(1, 0), qRgb(0x80, 0x80, 0x80));

    TgaParts alpha = trueColour24(1, 1, QByteArray("\x01\x02\x03\x00", 4), 0x08);
    alpha.pixelDepth = 32;
    EXPECT_EQ(decodeTga(buildTga(alpha)).image.pixel(0, 0), qRgb(3, 2, 1)); // opaque
}

TEST(TgaColourMap, StartOffsetsIndicesAndOthersAreBlack) {
    TgaParts p;
    p.imageType = 1;
    p.pixelDepth = 8;
    p.colorMapType = 1;
    p.colorMapDepth = 24;
    p.colorMapStart = 2;
    p.colorMap = QByteArray("\x01\x02\x03\x04\x05\x06", 6); // indices 2 and 3
    p.id = "an image id";
    p.width = 4;
    p.descriptor = 0x20;
    p.pixels = QByteArray("\x02\x03\x00\x04", 4);
    const QImage image = decodeTga(buildTga(p)).image;
    EXPECT_EQ(image.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(image.pixel(1, 0), qRgb(6, 5, 4));
    EXPECT_EQ(image.pixel(2, 0), kBlack);
    EXPECT_EQ(image.pixel(3, 0), kBlack);
}

TEST(TgaColourMap, LongerMapThanIndicesReachIsSkippedWhole) {
    TgaParts p;
    p.imageType = 1;
    p.pixelDepth = 8;
    p.colorMapType = 1;
    p.colorMapDepth = 24;
    p.colorMapStart = 200;
    p.colorMap = QByteArray(3 * 100, '\x11'); // entries 200-299, past the 8-bit indices
    p.descriptor = 0x20;
    p.pixels = QByteArray("\xff", 1);
    EXPECT_EQ(decodeTga(buildTga(p)).image.pixel(0, 0), qRgb(0x11, 0x11, 0x11));
}

TEST(TgaTruncated, MissingPixelsAreBlack) {
    // Five of twelve bytes: the first pixel whole, the second in part, two rows bottom-up.
    const QImage raw = decodeTga(buildTga(trueColour24(2, 2, kFourPixels.left(5)))).image;
    EXPECT_EQ(raw.pixel(0, 1), qRgb(3, 2, 1));
    EXPECT_EQ(raw.pixel(1, 1), kBlack);
    EXPECT_EQ(raw.pixel(0, 0), kBlack);
    EXPECT_EQ(raw.pixel(1, 0), kBlack);

    TgaParts runs = trueColour24(3, 1, {}, 0x20);
    QByteArray bytes = buildTga(runs);
    bytes[2] = 10;
    bytes += QByteArray("\x02\x01\x02\x03\x04", 5); // raw packet of three, data for one
    const QImage rle = decodeTga(bytes).image;
    EXPECT_EQ(rle.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(rle.pixel(1, 0), kBlack);
    EXPECT_EQ(rle.pixel(2, 0), kBlack);

    TgaParts mapped;
    mapped.imageType = 1;
    mapped.pixelDepth = 8;
    mapped.colorMapType = 1;
    mapped.colorMapDepth = 24;
    mapped.colorMap = QByteArray(3 * 256, '\x22');
    mapped.width = 2;
    mapped.descriptor = 0x20;
    mapped.pixels = QByteArray("\x00", 1);
    const QImage m = decodeTga(buildTga(mapped)).image;
    EXPECT_EQ(m.pixel(0, 0), qRgb(0x22, 0x22, 0x22));
    EXPECT_EQ(m.pixel(1, 0), kBlack); // missing, not colour 0
}

TEST(TgaTruncated, HeaderAloneOrLessIsHandled) {
    const QByteArray header = buildTga(trueColour24(4, 4, {}));
    const TgaImage empty = decodeTga(header);
    ASSERT_FALSE(empty.image.isNull());
    EXPECT_EQ(empty.image.pixel(3, 3), kBlack);
    EXPECT_FALSE(decodeTga(header.left(17)).header.has_value());
    EXPECT_TRUE(decodeTga(header.left(17)).image.isNull());
}

TEST(TgaAccepted, TypesAndDepths) {
    auto accepted = [](uint8_t type, uint8_t depth) {
        TgaParts p;
        p.imageType = type;
        p.pixelDepth = depth;
        LoadTGA reader;
        reader.LoadFromBytes(buildTga(p));
        return reader.IsTGA();
    };
    EXPECT_EQ(accepted(2, 15), -1);
    EXPECT_EQ(accepted(1, 16), -1);
    EXPECT_EQ(accepted(1, 24), 0); // indices are 8 or 16 bits
    EXPECT_EQ(accepted(2, 12), 0);
    EXPECT_EQ(accepted(32, 8), 0); // later compressed types are not decoded
    EXPECT_EQ(accepted(33, 8), 0);
    EXPECT_EQ(accepted(0, 24), 0); // no image data
}

TEST(TgaAccepted, SizeLimits) {
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
    h.Width = 0;
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

TEST(LoadTGAProperties, DefaultsAndScaleMode) {
    LoadTGA reader;
    EXPECT_EQ(reader.ScaleMode(), 1);
    EXPECT_EQ(reader.Autoscale(), -1);
    reader.LoadFromBytes(buildTga(trueColour24(4, 3, QByteArray(36, '\0'))));
    EXPECT_EQ(reader.TGAWidth(), 4 * 15); // twips at 96 DPI (no screen here)
    EXPECT_EQ(reader.TGAHeight(), 3 * 15);
    reader.setScaleMode(5);
    EXPECT_EQ(reader.ScaleMode(), 1);
    reader.setScaleMode(0);
    EXPECT_EQ(reader.TGAWidth(), 4);
    reader.setScaleMode(-1);
    EXPECT_EQ(reader.ScaleMode(), -1);
    EXPECT_EQ(reader.TGAWidth(), 0);
    EXPECT_EQ(reader.TGAHeight(), 0);
    reader.setAutoscale(7);
    EXPECT_EQ(reader.Autoscale(), 7);
}

TEST(LoadTGAProperties, CompressedAndBpp) {
    for (uint8_t type : {1, 2, 3, 9, 10, 11}) {
        TgaParts p;
        p.imageType = type;
        p.pixelDepth = 8;
        LoadTGA reader;
        reader.LoadFromBytes(buildTga(p));
        EXPECT_EQ(reader.Compressed(), type == 9 || type == 10 ? -1 : 0) << int(type);
        EXPECT_EQ(reader.Bpp(), 8);
    }
}

TEST(LoadTGAFiles, ReadsAFileAndMakesTheCurrentBitmap) {
    QTemporaryDir dir;
    QFile file(dir.filePath("pic.tga"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(buildTga(trueColour24(2, 2, kFourPixels, 0x20)) + QByteArray(100, 'x'));
    file.close();
    LoadTGA reader;
    reader.Load(file.fileName());
    EXPECT_EQ(reader.IsTGA(), -1);
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(1, 1), qRgb(12, 11, 10));
}

TEST(LoadTGAFiles, MissingUnreadableAndBrokenFilesAreNotPictures) {
    QTemporaryDir dir;
    CBitmap::SetCurrentBitmap(QImage(5, 5, QImage::Format_RGB32));
    LoadTGA reader;
    reader.Load(dir.filePath("none.tga"));
    EXPECT_EQ(reader.IsTGA(), 0);
    EXPECT_EQ(reader.Bpp(), 0);
    reader.Load(dir.path()); // a folder
    EXPECT_EQ(reader.IsTGA(), 0);
    QFile text(dir.filePath("text.tga"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all, just words");
    text.close();
    reader.Load(text.fileName());
    EXPECT_EQ(reader.IsTGA(), 0);
    EXPECT_EQ(CBitmap::CurrentBitmap().size(), QSize(5, 5)); // left as it was
}

} // namespace
} // namespace wed
