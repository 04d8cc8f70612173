#include "window/title_banner.h"

#include <QLabel>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace wed {
namespace {

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// Fires a timer's timeout as the event loop would, without waiting for it.
void fire(QTimer* timer) {
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}

class TitleBannerTest : public testing::Test {
  protected:
    QWidget window;
    TitleBanner banner{&window};
};

TEST_F(TitleBannerTest, TenLettersOnTheWindowAndThreeRunningTimers) {
    ASSERT_EQ(window.findChildren<QLabel*>(QStringLiteral("Label15")).size(), 10);
    QString title;
    for (int i = 0; i < 10; ++i) {
        QLabel* label = banner.letter(i);
        EXPECT_EQ(label->property("index").toInt(), i);
        EXPECT_EQ(label->geometry(), QRect(titleLetterStartLeft(i) / 15, 0, i == 4 ? 81 : 65, 65));
        title += label->text();
    }
    EXPECT_EQ(title, QStringLiteral("武器装甲晶体数据编辑器"));
    EXPECT_EQ(textColour(banner.letter(1)), QColor(225, 150, 0));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(banner.timer(n)->interval(), 100);
        EXPECT_TRUE(banner.timer(n)->isActive()) << "Timer" << n;
    }
}

TEST_F(TitleBannerTest, MarqueeTicksMoveTheLettersAndWrapAtTheLeftEdge) {
    for (int t = 0; t < 7; ++t)
        fire(banner.timer(1));
    EXPECT_EQ(banner.letter(0)->x(), -720 / 15);
    fire(banner.timer(1));
    EXPECT_EQ(banner.letter(0)->pos(), QPoint(11160 / 15, 0));
}

TEST_F(TitleBannerTest, AHandoverStopsTheRunningColourTimerAndRepaintsTheLetters) {
    fire(banner.timer(3));
    EXPECT_FALSE(banner.timer(3)->isActive());
    EXPECT_TRUE(banner.timer(2)->isActive());
    fire(banner.timer(2));
    for (int i = 0; i < 10; ++i) {
        const auto& a = banner.animation();
        EXPECT_EQ(textColour(banner.letter(i)), QColor(a.R()[i], a.G()[i], a.B()[i])) << i;
    }
    EXPECT_EQ(textColour(banner.letter(3)), QColor(0, 255, 5));
}

} // namespace
} // namespace wed
