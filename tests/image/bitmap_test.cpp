#include "fake_picture.h"
#include "image/bitmap.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::FakePicture;

TEST(CBitmapConversions, PaddedRowsShortPalettesShortArraysAndBadSizes) {
    CBitmap::SetPalette(QByteArray("\x00\x00\x00\x0a\x14\x1e\x04", 7)); // entry 2 in part
    // Width 3: rows of 4 bytes, the fourth is padding. Bottom row first.
    CBitmap::MakeDIB8(QByteArray("\x01\x02\x00\x09\x00\x00\x01\x09", 8), 3, 2, 0);
    const QImage& image = CBitmap::CurrentBitmap();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(1, 1), qRgb(4, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));

    // Width 1 at 16 bits: rows of 4 bytes. Top-down: red, then blue.
    CBitmap::MakeDIB16(QByteArray("\x00\x7c\x00\x00\x1f\x00\x00\x00", 8), 1, 2, 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 255));
    CBitmap::MakeDIB32(QByteArray("\x01\x02\x03\x00\x04\x05\x06\x00", 8), 2, 1, 0);
    EXPECT_EQ(image.pixel(1, 0), qRgb(6, 5, 4));

    CBitmap::MakeDIB32(QByteArray("\x01\x02\x03", 3), 2, 2, 1);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)); // held in part: black
    CBitmap::MakeDIB32({}, 0, 5, 0);
    EXPECT_TRUE(image.isNull());
    CBitmap::MakeDIB8({}, 100000, 100000, 0);
    EXPECT_TRUE(image.isNull());
}

TEST(PaintDIB, AutoscaleFitsTheBoxToTheImageOtherwiseTheImageIsStretched) {
    CBitmap::MakeDIB32(QByteArray(32 * 16 * 4, '\x40'), 32, 16, 0);
    const struct {
        int border, autoscale;
        QSize outerAfter;
        QRect target;
    } cases[] = {{2, -1, {36, 20}, {0, 0, 32, 16}},
                 {0, -1, {32, 16}, {0, 0, 32, 16}},
                 {2, 0, {104, 54}, {0, 0, 100, 50}}, // still grows by its border
                 {0, 1, {100, 50}, {0, 0, 100, 50}}};
    for (const auto& c : cases) {
        FakePicture box(c.border, QSize(100, 50));
        CBitmap::PaintDIB(32, 16, box, c.autoscale);
        EXPECT_EQ(box.clears, 1);
        EXPECT_EQ(box.outerSize(), c.outerAfter) << c.border << " " << c.autoscale;
        ASSERT_EQ(box.draws.size(), 1u);
        EXPECT_EQ(box.draws[0].source, QRect(0, 0, 32, 16));
        EXPECT_EQ(box.draws[0].target, c.target) << c.border << " " << c.autoscale;
    }

    CBitmap::SetCurrentBitmap(QImage()); // without a bitmap: only cleared and sized
    FakePicture box(2);
    CBitmap::PaintDIB(32, 16, box, -1);
    EXPECT_EQ(box.insideSize(), QSize(32, 16));
    EXPECT_TRUE(box.draws.empty());
}

} // namespace
} // namespace wed
