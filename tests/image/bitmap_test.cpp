#include "fake_picture.h"
#include "image/bitmap.h"
#include "image/screen_twips.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::FakePicture;

TEST(CBitmapConversions, EightBitRowsArePaddedAndColoursComeFromThePalette) {
    QByteArray palette(768, '\0');
    palette[3] = 10; // entry 1: red 10, green 20, blue 30
    palette[4] = 20;
    palette[5] = 30;
    CBitmap::SetPalette(palette);
    // Width 3: rows of 4 bytes, the fourth is padding. Bottom row first.
    CBitmap::MakeDIB8(QByteArray("\x01\x00\x00\x09\x00\x00\x01\x09", 8), 3, 2, 0);
    const QImage& image = CBitmap::CurrentBitmap();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(CBitmapConversions, ShortPaletteLeavesTheRestBlack) {
    CBitmap::SetPalette(QByteArray("\x01\x02\x03\x04", 4));
    CBitmap::MakeDIB8(QByteArray("\x00\x01\x02\x00", 4), 3, 1, -1);
    const QImage& image = CBitmap::CurrentBitmap();
    EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(1, 0), qRgb(4, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
}

TEST(CBitmapConversions, SixteenAndThirtyTwoBitLayouts) {
    // Width 1 at 16 bits: rows of 4 bytes. Top-down: red, then blue.
    CBitmap::MakeDIB16(QByteArray("\x00\x7c\x00\x00\x1f\x00\x00\x00", 8), 1, 2, 1);
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(0, 1), qRgb(0, 0, 255));

    CBitmap::MakeDIB32(QByteArray("\x01\x02\x03\x00\x04\x05\x06\x00", 8), 2, 1, 0);
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(1, 0), qRgb(6, 5, 4));
}

TEST(CBitmapConversions, ShortPixelArraysAndBadSizes) {
    CBitmap::MakeDIB32(QByteArray("\x01\x02\x03", 3), 2, 2, 1);
    const QImage& image = CBitmap::CurrentBitmap();
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)); // a pixel the array holds in part is black
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));

    CBitmap::MakeDIB32({}, 0, 5, 0);
    EXPECT_TRUE(CBitmap::CurrentBitmap().isNull());
    CBitmap::MakeDIB8({}, 100000, 100000, 0);
    EXPECT_TRUE(CBitmap::CurrentBitmap().isNull());
}

TEST(CBitmapTwips, WholeTwipsPerPixel) {
    EXPECT_EQ(wholeTwipsPerPixel(96), 15);
    EXPECT_EQ(wholeTwipsPerPixel(120), 12);
    EXPECT_EQ(wholeTwipsPerPixel(192), 8);    // 7.5: halves to even
    EXPECT_EQ(wholeTwipsPerPixel(115.2), 12); // 12.5: halves to even
    EXPECT_EQ(wholeTwipsPerPixel(0), 15);
    EXPECT_EQ(ScreenTwipsPerPixelX(), 15); // no screen in a core program
    EXPECT_EQ(CBitmap::PixelsToTwips(32, 16), QSize(480, 240));
    EXPECT_EQ(CBitmap::TwipsToPixels(2700, 22), QSize(180, 1));
    EXPECT_EQ(CBitmap::TwipsToPixels(23, -23), QSize(2, -2));
    EXPECT_EQ(CBitmap::PixelsToTwips(2000000000, 1).width(), 2147483647); // clamped
}

class PaintDIBTest : public ::testing::Test {
  protected:
    void SetUp() override { CBitmap::MakeDIB32(QByteArray(32 * 16 * 4, '\x40'), 32, 16, 0); }
};

TEST_F(PaintDIBTest, AutoscaleWithBorderDrawsOneToOneInside) {
    FakePicture box(2);
    CBitmap::PaintDIB(32, 16, box, -1);
    EXPECT_EQ(box.clears, 1);
    EXPECT_EQ(box.insideSize(), QSize(32, 16));
    EXPECT_EQ(box.outerSize(), QSize(36, 20));
    ASSERT_EQ(box.draws.size(), 1u);
    EXPECT_EQ(box.draws[0].source, QRect(0, 0, 32, 16));
    EXPECT_EQ(box.draws[0].target, QRect(0, 0, 32, 16));
}

TEST_F(PaintDIBTest, AutoscaleWithoutBorder) {
    FakePicture box(0);
    CBitmap::PaintDIB(32, 16, box, -1);
    EXPECT_EQ(box.outerSize(), QSize(32, 16));
    ASSERT_EQ(box.draws.size(), 1u);
    EXPECT_EQ(box.draws[0].target, QRect(0, 0, 32, 16));
}

TEST_F(PaintDIBTest, NoAutoscaleStretchesOverTheBox) {
    FakePicture bordered(2, QSize(100, 50));
    CBitmap::PaintDIB(32, 16, bordered, 0);
    EXPECT_EQ(bordered.outerSize(), QSize(104, 54)); // still grows by its border
    EXPECT_EQ(bordered.draws.at(0).target, QRect(0, 0, 100, 50));

    FakePicture plain(0, QSize(100, 50));
    CBitmap::PaintDIB(32, 16, plain, 1);
    EXPECT_EQ(plain.outerSize(), QSize(100, 50));
    EXPECT_EQ(plain.draws.at(0).target, QRect(0, 0, 100, 50));
}

TEST_F(PaintDIBTest, WithoutABitmapOnlyClearsAndSizes) {
    CBitmap::SetCurrentBitmap(QImage());
    FakePicture box(2);
    CBitmap::PaintDIB(32, 16, box, -1);
    EXPECT_EQ(box.clears, 1);
    EXPECT_EQ(box.insideSize(), QSize(32, 16));
    EXPECT_TRUE(box.draws.empty());
}

} // namespace
} // namespace wed
