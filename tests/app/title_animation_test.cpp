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

// Letters move one step left per tick; a letter at the wrap edge re-enters at the right
// instead of moving, and one full pass (100 ticks) brings every letter back to its start.
TEST(TitleMarquee, MovesLeftWrapsAtTheEdgeAndComesBackAfterAFullPass) {
    TitleAnimation a;
    a.Timer1_Timer();
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        EXPECT_EQ(a.left(i), titleLetterStartLeft(i) - 120) << "letter " << i;
    EXPECT_EQ(a.left(1), 1080);
    for (int t = 1; t < 7; ++t)
        a.Timer1_Timer();
    EXPECT_EQ(a.left(0), -720);
    a.Timer1_Timer();
    EXPECT_EQ(a.left(0), 11160);
    EXPECT_EQ(a.left(1), 1200 - 8 * 120);
    for (int t = 8; t < 100; ++t)
        a.Timer1_Timer();
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        EXPECT_EQ(a.left(i), titleLetterStartLeft(i)) << "letter " << i;
}

TEST(TitleColours, LetterThreeAtGreenHandsTheFallingTimerOverToTheRisingOne) {
    TitleAnimation a;
    EXPECT_TRUE(a.timer2Enabled());
    EXPECT_TRUE(a.timer3Enabled());
    EXPECT_EQ(colourOf(a, 8), (Colour{255, 0, 150}));
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
}

// Over a long run, in either order of the two colour timers: channels stay within 0-255 in
// steps of five, letters 0, 1 and 9 (red 225) never change nor are painted, and after the
// first handover exactly one colour timer runs.
TEST(TitleColours, LongRunsKeepChannelsInRangeAndTheRedLettersStill) {
    for (const bool fallingFirst : {true, false}) {
        TitleAnimation a;
        bool handedOver = false, letterSevenChanged = false;
        for (int t = 0; t < 20000; ++t) {
            TitleAnimation::PaintedLetters painted = 0;
            if (fallingFirst && a.timer3Enabled())
                painted |= a.Timer3_Timer();
            if (a.timer2Enabled())
                painted |= a.Timer2_Timer();
            if (!fallingFirst && a.timer3Enabled())
                painted |= a.Timer3_Timer();
            ASSERT_EQ(painted & ((1u << 0) | (1u << 1) | (1u << 9)), 0u) << "tick " << t;
            for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
                for (int c : {a.R()[i], a.G()[i], a.B()[i]})
                    ASSERT_TRUE(c >= 0 && c <= 255 && c % 5 == 0) << "letter " << i << " " << t;
            if (fallingFirst && handedOver) {
                ASSERT_NE(a.timer2Enabled(), a.timer3Enabled()) << "tick " << t;
            }
            handedOver = handedOver || a.timer2Enabled() != a.timer3Enabled();
            letterSevenChanged = letterSevenChanged || colourOf(a, 7) != Colour{150, 0, 255};
        }
        EXPECT_EQ(colourOf(a, 0), (Colour{225, 0, 0}));
        EXPECT_EQ(colourOf(a, 1), (Colour{225, 150, 0}));
        EXPECT_EQ(colourOf(a, 9), (Colour{225, 0, 0}));
        EXPECT_TRUE(letterSevenChanged);
        EXPECT_TRUE(handedOver || !fallingFirst);
    }
}

TEST(TitleText, TheTwoCharacterWordIsInTheMiddleAndTheCaptionIsVersioned) {
    EXPECT_EQ(titleLetterText(4).size(), 2);
    EXPECT_EQ(titleLetterWidth(4), 1215);
    EXPECT_EQ(titleLetterWidth(5), 975);
    EXPECT_TRUE(windowCaption().startsWith(QStringLiteral("武器装甲晶体数据编辑器")));
    EXPECT_TRUE(windowCaption().endsWith(QStringLiteral("v1.31")));
}

} // namespace
} // namespace wed
