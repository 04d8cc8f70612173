#include "image/bitmap.h"
#include "image/tga_reader.h"
#include "window/picture_box.h"

#include <QImage>
#include <gtest/gtest.h>

namespace wed {
namespace {

// 32 x 16 pixels stored bottom row first: the top-left pixel is red, the rest dark blue.
QByteArray picture32x16() {
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = 32;
    bytes[14] = 16;
    bytes[16] = 24;
    QByteArray pixels;
    for (int i = 0; i < 32 * 16; ++i)
        pixels += QByteArray("\x60\x00\x00", 3);
    pixels.replace(15 * 32 * 3, 3, QByteArray("\x00\x00\xff", 3));
    return bytes + pixels;
}

TEST(PictureBox, InsideIsTheImageAfterDrawing) {
    PictureBox Pic1;
    Pic1.setGeometry(560, 320, 180, 180);
    EXPECT_EQ(Pic1.frameWidth(), 2);
    LoadTGA reader;
    reader.LoadFromBytes(picture32x16());
    ASSERT_EQ(reader.IsTGA(), -1);
    Pic1.resizeOuter(CBitmap::TwipsToPixels(reader.TGAWidth(), reader.TGAHeight()));
    reader.DrawTGA(Pic1);
    EXPECT_EQ(Pic1.contentsRect().size(), QSize(32, 16));
    EXPECT_EQ(Pic1.size(), QSize(36, 20));
    EXPECT_EQ(Pic1.pos(), QPoint(560, 320));

    // Drawn 1:1 just inside the border.
    const QImage shown = Pic1.grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(3, 2), qRgb(0, 0, 0x60));
    EXPECT_EQ(shown.pixel(33, 17), qRgb(0, 0, 0x60));

    Pic1.clear(); // erases the drawing but keeps the size
    EXPECT_TRUE(Pic1.drawing().isNull());
    EXPECT_EQ(Pic1.size(), QSize(36, 20));
}

} // namespace
} // namespace wed
