#include "window/title_animation.h"

namespace wed {
namespace {

constexpr std::array<int, TitleAnimation::kLetterCount> kStartLeft = {
    120, 1200, 2280, 3360, 4440, 5760, 6840, 7920, 9000, 10080};

// Start colours. Letters 0, 1 and 9 start with a red of 225, which no colour rule matches, so
// they keep their colour for ever; the other seven go round the hue circle.
constexpr TitleAnimation::Channels kStartR = {225, 225, 150, 0, 0, 0, 0, 150, 255, 225};
constexpr TitleAnimation::Channels kStartG = {0, 150, 255, 255, 255, 150, 0, 0, 0, 0};
constexpr TitleAnimation::Channels kStartB = {0, 0, 0, 0, 150, 255, 255, 255, 150, 0};

constexpr int kFull = 255;
constexpr TitleAnimation::PaintedLetters bit(int index) {
    return TitleAnimation::PaintedLetters(1u << index);
}

} // namespace

TitleAnimation::TitleAnimation() : left_(kStartLeft), r_(kStartR), g_(kStartG), b_(kStartB) {}

void TitleAnimation::Timer1_Timer() {
    for (int& left : left_)
        left = left == kWrapLeftTwips ? kReenterLeftTwips : left - kStepTwips;
}

namespace {

// What one colour rule did to a letter.
enum class Outcome { Untouched, Stepped, SegmentEnd };

// Rising rules, tried in order; the first that matches applies.
Outcome rise(int& r, int& g, int& b) {
    if (r == 0 && g == kFull && b < kFull) {
        b += TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == 0 && g == kFull && b == kFull)
        return Outcome::SegmentEnd;
    if (r == kFull && g < kFull && b == 0) {
        g += TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == kFull && g == kFull && b == 0)
        return Outcome::SegmentEnd;
    if (r < kFull && g == 0 && b == kFull) {
        r += TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == kFull && g == 0 && b == kFull)
        return Outcome::SegmentEnd;
    return Outcome::Untouched;
}

// Falling rules, tried in order; the first that matches applies.
Outcome fall(int& r, int& g, int& b) {
    if (r > 0 && g == kFull && b == 0) {
        r -= TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == 0 && g == kFull && b == 0)
        return Outcome::SegmentEnd;
    if (r == 0 && g > 0 && b == kFull) {
        g -= TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == 0 && g == 0 && b == kFull)
        return Outcome::SegmentEnd;
    if (r == kFull && g == 0 && b > 0) {
        b -= TitleAnimation::kColourStep;
        return Outcome::Stepped;
    }
    if (r == kFull && g == 0 && b == 0)
        return Outcome::SegmentEnd;
    return Outcome::Untouched;
}

} // namespace

// A letter at the end of its segment hands the colours over to the other timer; the handover
// is shared by all letters, and the rest of the letters of this tick are still handled.
TitleAnimation::PaintedLetters TitleAnimation::colourTick(bool rising) {
    PaintedLetters painted = 0;
    for (int i = 0; i < kLetterCount; ++i) {
        const Outcome outcome = rising ? rise(r_[i], g_[i], b_[i]) : fall(r_[i], g_[i], b_[i]);
        if (outcome == Outcome::Untouched)
            continue;
        painted |= bit(i);
        if (outcome == Outcome::SegmentEnd) {
            risingOn_ = !rising;
            fallingOn_ = rising;
        }
    }
    return painted;
}

TitleAnimation::PaintedLetters TitleAnimation::Timer2_Timer() {
    return colourTick(true);
}
TitleAnimation::PaintedLetters TitleAnimation::Timer3_Timer() {
    return colourTick(false);
}

int titleLetterStartLeft(int index) {
    return kStartLeft.at(index);
}

int titleLetterWidth(int index) {
    return index == 4 ? 1215 : 975;
}

} // namespace wed
