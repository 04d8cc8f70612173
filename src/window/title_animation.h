#pragma once

#include "app/program_title.h"

#include <array>
#include <cstdint>

namespace wed {

// The ten title letters along the top of the main window: they scroll from right to left
// without end (Timer1) and walk around the hue circle (Timer2 raises a channel, Timer3 lowers
// one). This class is the whole state of that animation, free of widgets, so that the window's
// timers only advance it and repaint.
class TitleAnimation {
  public:
    static constexpr int kLetterCount = kTitleLetterCount;
    static constexpr int kStepTwips = 120;      // marquee step per tick
    static constexpr int kWrapLeftTwips = -720; // a letter standing here re-enters at the right
    static constexpr int kReenterLeftTwips = 11160;
    static constexpr int kColourStep = 5;

    using Channels = std::array<int, kLetterCount>;
    // One bit per letter index: the letters that a tick painted.
    using PaintedLetters = std::uint16_t;

    // The state of a freshly opened window: start positions, start colours, all timers on.
    TitleAnimation();

    // Marquee: each letter moves one step to the left, or from the wrap edge back to the right.
    void Timer1_Timer();
    // Rising and falling colour timers; they return the letters painted during the tick.
    PaintedLetters Timer2_Timer();
    PaintedLetters Timer3_Timer();

    int left(int index) const { return left_[index]; }
    const Channels& R() const { return r_; }
    const Channels& G() const { return g_; }
    const Channels& B() const { return b_; }

    bool risingOn() const { return risingOn_; }
    bool fallingOn() const { return fallingOn_; }

  private:
    // One tick of a colour timer: the rising one (Timer2) or the falling one (Timer3).
    PaintedLetters colourTick(bool rising);
    std::array<int, kLetterCount> left_;
    Channels r_, g_, b_;
    bool risingOn_ = true;
    bool fallingOn_ = true;
};

// Left edge of each letter when the window opens, in twips; every one a multiple of the step,
// or the marquee would never hit the wrap edge exactly.
int titleLetterStartLeft(int index);
// Width of each letter in twips: the two-character letter is wider.
int titleLetterWidth(int index);
inline constexpr int kTitleLetterHeightTwips = 975;

} // namespace wed
