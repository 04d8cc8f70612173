#include "window/title_animation.h"

#include <array>
#include <gtest/gtest.h>

namespace wed {
namespace {

// The three channels of a letter.
std::array<int, 3> colourOf(const TitleAnimation& a, int i) {
    return {a.R()[i], a.G()[i], a.B()[i]};
}

// Letters move one step left per tick; a letter at the wrap edge re-enters at the right
// instead of moving, and one full pass (100 ticks) brings every letter back to its start.
TEST(TitleMarquee, MovesLeftWrapsAtTheEdgeAndComesBackAfterAFullPass) {
    TitleAnimation a;
    for (int t = 0; t < 7; ++t)
        a.Timer1_Timer();
    EXPECT_EQ(a.left(0), TitleAnimation::kWrapLeftTwips);
    EXPECT_EQ(a.left(1), titleLetterStartLeft(1) - 7 * TitleAnimation::kStepTwips);
    a.Timer1_Timer();
    EXPECT_EQ(a.left(0), TitleAnimation::kReenterLeftTwips);
    for (int t = 8; t < 100; ++t)
        a.Timer1_Timer();
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        EXPECT_EQ(a.left(i), titleLetterStartLeft(i)) << "letter " << i;
}

// Over a long run, in either order of the two colour timers: channels stay within 0-255 in
// steps of five, letters 0, 1 and 9 (red 225) never change nor are painted, and after the
// first handover exactly one colour timer runs.
TEST(TitleColours, LongRunsKeepChannelsInRangeAndTheRedLettersStill) {
    for (const bool fallingFirst : {true, false}) {
        const TitleAnimation start;
        TitleAnimation a;
        bool handedOver = false, letterSevenChanged = false;
        for (int t = 0; t < 20000; ++t) {
            TitleAnimation::PaintedLetters painted = 0;
            if (fallingFirst && a.fallingOn())
                painted |= a.Timer3_Timer();
            if (a.risingOn())
                painted |= a.Timer2_Timer();
            if (!fallingFirst && a.fallingOn())
                painted |= a.Timer3_Timer();
            ASSERT_EQ(painted & ((1u << 0) | (1u << 1) | (1u << 9)), 0u) << "tick " << t;
            for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
                for (int c : {a.R()[i], a.G()[i], a.B()[i]})
                    ASSERT_TRUE(c >= 0 && c <= 255 && c % 5 == 0) << "letter " << i << " " << t;
            ASSERT_TRUE(!fallingFirst || !handedOver || a.risingOn() != a.fallingOn())
                << "tick " << t;
            handedOver = handedOver || a.risingOn() != a.fallingOn();
            letterSevenChanged = letterSevenChanged || colourOf(a, 7) != colourOf(start, 7);
        }
        for (const int i : {0, 1, 9})
            EXPECT_EQ(colourOf(a, i), colourOf(start, i)) << "letter " << i;
        EXPECT_TRUE(letterSevenChanged);
        EXPECT_TRUE(handedOver || !fallingFirst);
    }
}

} // namespace
} // namespace wed
