#include "app/title_animation.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace wed {
namespace {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

Colour colourOf(const TitleAnimation& a, int i) {
    return {a.R()[i], a.G()[i], a.B()[i]};
}

void PrintTo(const Colour& c, std::ostream* os) {
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

void runMarquee(TitleAnimation& a, int ticks) {
    for (int t = 0; t < ticks; ++t)
        a.Timer1_Timer();
}

TEST(TitleMarquee, MovesEveryLetterOneStepLeftAndKeepsTheSpacing) {
    TitleAnimation a;
    a.Timer1_Timer();
    EXPECT_EQ(a.left(0), 0);
    EXPECT_EQ(a.left(1), 1080);
    EXPECT_EQ(a.left(2), 2160);
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        EXPECT_EQ(a.left(i), titleLetterStartLeft(i) - 120) << "letter " << i;
}

TEST(TitleMarquee, ALetterAtTheWrapEdgeReentersAtTheRightInsteadOfMoving) {
    TitleAnimation a;
    runMarquee(a, 7);
    EXPECT_EQ(a.left(0), -720);
    EXPECT_EQ(a.left(1), 1200 - 7 * 120);
    a.Timer1_Timer();
    EXPECT_EQ(a.left(0), 11160);
    EXPECT_EQ(a.left(1), 1200 - 8 * 120);
}

TEST(TitleMarquee, EveryLetterComesBackToItsStartAfterOneFullPass) {
    // One pass from 11160 down to -720 and the re-entry: 100 ticks.
    TitleAnimation a;
    runMarquee(a, 100);
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        EXPECT_EQ(a.left(i), titleLetterStartLeft(i)) << "letter " << i;
}

TEST(TitleColours, StartWithTheTableAndBothColourTimersOn) {
    TitleAnimation a;
    EXPECT_TRUE(a.timer2Enabled());
    EXPECT_TRUE(a.timer3Enabled());
    EXPECT_EQ(colourOf(a, 0), (Colour{225, 0, 0}));
    EXPECT_EQ(colourOf(a, 1), (Colour{225, 150, 0}));
    EXPECT_EQ(colourOf(a, 3), (Colour{0, 255, 0}));
    EXPECT_EQ(colourOf(a, 8), (Colour{255, 0, 150}));
    EXPECT_EQ(colourOf(a, 9), (Colour{225, 0, 0}));
}

TEST(TitleColours, LetterThreeAtGreenHandsTheFallingTimerOverToTheRisingOne) {
    TitleAnimation a;
    const auto painted = a.Timer3_Timer();
    EXPECT_TRUE(painted & (1u << 3));
    EXPECT_EQ(colourOf(a, 3), (Colour{0, 255, 0}));
    EXPECT_TRUE(a.timer2Enabled());
    EXPECT_FALSE(a.timer3Enabled());
    // The handover does not end the pass: later letters of the same tick still fall.
    EXPECT_EQ(colourOf(a, 5), (Colour{0, 145, 255}));
    EXPECT_EQ(colourOf(a, 8), (Colour{255, 0, 145}));
}

TEST(TitleColours, ARisingTickRaisesTheBlueOfLetterThree) {
    TitleAnimation a;
    const auto painted = a.Timer2_Timer();
    EXPECT_EQ(colourOf(a, 3), (Colour{0, 255, 5}));
    EXPECT_TRUE(painted & (1u << 3));
    // Letter 6 is blue (0, 0, 255): the rising timer starts it towards magenta.
    EXPECT_EQ(colourOf(a, 6), (Colour{5, 0, 255}));
    EXPECT_TRUE(a.timer2Enabled());
}

TEST(TitleColours, TheLettersStartingAtRedTwoTwentyFiveNeverChangeAndAreNeverPainted) {
    TitleAnimation a;
    for (int t = 0; t < 5000; ++t) {
        TitleAnimation::PaintedLetters painted = 0;
        if (a.timer2Enabled())
            painted |= a.Timer2_Timer();
        if (a.timer3Enabled())
            painted |= a.Timer3_Timer();
        ASSERT_EQ(painted & ((1u << 0) | (1u << 1) | (1u << 9)), 0u) << "tick " << t;
        // With the rising timer first, both keep running side by side; the range still holds.
        for (int i = 0; i < TitleAnimation::kLetterCount; ++i) {
            ASSERT_GE(std::min({a.R()[i], a.G()[i], a.B()[i]}), 0);
            ASSERT_LE(std::max({a.R()[i], a.G()[i], a.B()[i]}), 255);
        }
    }
    EXPECT_EQ(colourOf(a, 0), (Colour{225, 0, 0}));
    EXPECT_EQ(colourOf(a, 1), (Colour{225, 150, 0}));
    EXPECT_EQ(colourOf(a, 9), (Colour{225, 0, 0}));
}

TEST(TitleColours, ChannelsStayInRangeAndExactlyOneColourTimerRunsAfterTheFirstHandover) {
    TitleAnimation a;
    bool letterSevenChanged = false;
    bool handedOver = false;
    for (int t = 0; t < 20000; ++t) {
        // The window starts the falling timer first, so it is first when both are due.
        if (a.timer3Enabled())
            a.Timer3_Timer();
        if (a.timer2Enabled())
            a.Timer2_Timer();
        // Both run side by side until the first handover, then never again together.
        handedOver = handedOver || a.timer2Enabled() != a.timer3Enabled();
        if (handedOver) {
            ASSERT_NE(a.timer2Enabled(), a.timer3Enabled()) << "tick " << t;
        }
        for (int i = 0; i < TitleAnimation::kLetterCount; ++i) {
            for (int c : {a.R()[i], a.G()[i], a.B()[i]}) {
                ASSERT_GE(c, 0) << "letter " << i << " tick " << t;
                ASSERT_LE(c, 255) << "letter " << i << " tick " << t;
                ASSERT_EQ(c % 5, 0);
            }
        }
        letterSevenChanged = letterSevenChanged || colourOf(a, 7) != Colour{150, 0, 255};
    }
    EXPECT_TRUE(handedOver);
    EXPECT_TRUE(letterSevenChanged);
}

TEST(TitleText, TenLettersWithTheTwoCharacterWordInTheMiddleAndAVersionedCaption) {
    QString title;
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i) {
        EXPECT_EQ(titleLetterText(i).size(), i == 4 ? 2 : 1) << "letter " << i;
        EXPECT_EQ(titleLetterWidth(i), i == 4 ? 1215 : 975);
        EXPECT_EQ(titleLetterStartLeft(i) % TitleAnimation::kStepTwips, 0);
        title += titleLetterText(i);
    }
    EXPECT_TRUE(windowCaption().startsWith(title));
    EXPECT_TRUE(windowCaption().endsWith(QStringLiteral("v1.31")));
}

} // namespace
} // namespace wed
