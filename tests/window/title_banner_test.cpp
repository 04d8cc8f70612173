#include "app/window/title_banner.h"

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

TEST(TitleBanner, CreatesTheTenLettersAsALabelArrayOnTheWindow) {
    QWidget window;
    TitleBanner banner(&window);
    const auto labels = window.findChildren<QLabel*>(QStringLiteral("Label15"));
    ASSERT_EQ(labels.size(), 10);
    QString title;
    for (int i = 0; i < 10; ++i) {
        QLabel* label = banner.letter(i);
        EXPECT_EQ(label->parentWidget(), &window);
        EXPECT_EQ(label->property("index").toInt(), i);
        EXPECT_FALSE(label->isHidden());
        EXPECT_EQ(label->font().family(), QStringLiteral("宋体"));
        EXPECT_EQ(label->font().pointSize(), 48);
        EXPECT_EQ(label->geometry(), QRect(titleLetterStartLeft(i) / 15, 0, i == 4 ? 81 : 65, 65));
        title += label->text();
    }
    EXPECT_EQ(title, QStringLiteral("武器装甲晶体数据编辑器"));
    EXPECT_EQ(banner.letter(4)->text().size(), 2);
}

TEST(TitleBanner, PaintsTheStartColoursAndRunsThreeTimersOfATenthOfASecond) {
    QWidget window;
    TitleBanner banner(&window);
    EXPECT_EQ(textColour(banner.letter(0)), QColor(225, 0, 0));
    EXPECT_EQ(textColour(banner.letter(1)), QColor(225, 150, 0));
    EXPECT_EQ(textColour(banner.letter(6)), QColor(0, 0, 255));
    for (int n = 1; n <= 3; ++n) {
        QTimer* timer = banner.timer(n);
        EXPECT_EQ(timer->objectName(), QStringLiteral("Timer%1").arg(n));
        EXPECT_EQ(timer->interval(), 100);
        EXPECT_TRUE(timer->isActive()) << "Timer" << n;
    }
}

TEST(TitleBanner, MarqueeTicksMoveTheLettersAndWrapAtTheLeftEdge) {
    QWidget window;
    TitleBanner banner(&window);
    for (int t = 0; t < 7; ++t)
        fire(banner.timer(1));
    EXPECT_EQ(banner.letter(0)->x(), -720 / 15);
    EXPECT_EQ(banner.letter(9)->x(), (10080 - 7 * 120) / 15);
    fire(banner.timer(1));
    EXPECT_EQ(banner.letter(0)->x(), 11160 / 15);
    EXPECT_EQ(banner.letter(0)->y(), 0);
    EXPECT_EQ(banner.animation().left(0), 11160);
}

TEST(TitleBanner, AHandoverStopsTheRunningColourTimerAndRepaintsTheLettersItTouched) {
    QWidget window;
    TitleBanner banner(&window);
    fire(banner.timer(3));
    EXPECT_FALSE(banner.timer(3)->isActive());
    EXPECT_TRUE(banner.timer(2)->isActive());
    EXPECT_EQ(textColour(banner.letter(5)), QColor(0, 145, 255));
    EXPECT_EQ(textColour(banner.letter(0)), QColor(225, 0, 0));

    fire(banner.timer(2));
    EXPECT_EQ(textColour(banner.letter(3)), QColor(0, 255, 5));
    for (int i = 0; i < 10; ++i) {
        const int r = banner.animation().R()[i];
        const int g = banner.animation().G()[i];
        const int b = banner.animation().B()[i];
        EXPECT_EQ(textColour(banner.letter(i)), QColor(r, g, b)) << "letter " << i;
    }
}

} // namespace
} // namespace wed
