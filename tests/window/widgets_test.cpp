#include "image/bitmap.h"
#include "window/picture_box.h"
#include "window/tga_reader.h"
#include "window/title_banner.h"
#include "window/twips.h"

#include <QImage>
#include <QLabel>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace wed {
namespace {

// 32 x 16 pixels stored bottom row first: the top-left pixel is red, the rest dark blue.
QByteArray picture32x16() {
    QByteArray header(18, '\0');
    header[2] = 2;
    header[12] = 32;
    header[14] = 16;
    header[16] = 24;
    QByteArray pixels = QByteArray("\x60\x00\x00", 3).repeated(32 * 16);
    pixels.replace(15 * 32 * 3, 3, QByteArray("\x00\x00\xff", 3));
    return header + pixels;
}

// The picture is drawn 1:1 just inside the border, which the box grows around it.
TEST(PictureBox, InsideIsTheImageAfterDrawing) {
    PictureBox Pic1;
    LoadTGA reader;
    reader.LoadFromBytes(picture32x16());
    ASSERT_EQ(reader.IsTGA(), -1);
    Pic1.resizeOuter(CBitmap::TwipsToPixels(reader.TGAWidth(), reader.TGAHeight()));
    reader.DrawTGA(Pic1);
    ASSERT_EQ(Pic1.contentsRect().size(), QSize(32, 16));
    const QImage shown = Pic1.grab().toImage();
    const QPoint inside = Pic1.contentsRect().topLeft();
    EXPECT_EQ(shown.pixel(inside), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(inside + QPoint(1, 0)), qRgb(0, 0, 0x60));
    EXPECT_EQ(shown.pixel(inside + QPoint(31, 15)), qRgb(0, 0, 0x60));
}

// Fires a timer's timeout as the event loop would, without waiting for it.
void fire(QTimer* timer) {
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}

// Each tick moves or repaints the letters as the title animation (tested on its own) says, and
// the colour timers follow its handover.
TEST(TitleBanner, TicksMoveAndRepaintTheLettersAsTheAnimationSays) {
    QWidget window;
    TitleBanner banner{&window};
    fire(banner.timer(1));
    fire(banner.timer(3));
    EXPECT_FALSE(banner.timer(3)->isActive());
    EXPECT_TRUE(banner.timer(2)->isActive());
    fire(banner.timer(2));
    const TitleAnimation& a = banner.animation();
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i) {
        EXPECT_EQ(banner.letter(i)->x(), a.left(i) / 15) << i;
        EXPECT_EQ(banner.letter(i)->palette().color(QPalette::WindowText),
                  QColor(a.R()[i], a.G()[i], a.B()[i]))
            << i;
    }
}

} // namespace
} // namespace wed
