#pragma once

#include "window/title_animation.h"

#include <QObject>
#include <array>

class QLabel;
class QTimer;
class QWidget;

namespace wed {

// The ten title letters of the main window and the three timers that animate them. The
// letters are children of the window (one control array, property "index"); the timers (the
// marquee and the two colour timers, 100 ms) start at once, as the window opens. Each tick advances
// the TitleAnimation and then moves or repaints the letters it touched.
class TitleBanner : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimerIntervalMs = 100;

    explicit TitleBanner(QWidget* window);

    const TitleAnimation& animation() const { return animation_; }
    QLabel* letter(int index) const { return letters_.at(index); }
    // number 1, 2 or 3.
    QTimer* timer(int number) const { return timers_.at(number - 1); }

  public slots:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

  private:
    void paint(TitleAnimation::PaintedLetters painted);
    void placeLetters();
    void followColourTimers();

    TitleAnimation animation_;
    std::array<QLabel*, TitleAnimation::kLetterCount> letters_{};
    std::array<QTimer*, 3> timers_{};
};

} // namespace wed
