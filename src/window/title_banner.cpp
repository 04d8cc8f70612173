#include "window/title_banner.h"

#include "window/control_layout.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace wed {
namespace {

constexpr TitleAnimation::PaintedLetters kAllLetters = (1u << TitleAnimation::kLetterCount) - 1;

QLabel* makeLetter(QWidget* window, int index) {
    auto* label = new QLabel(titleLetterText(index), window);
    label->setObjectName(objectNameOf(Control::TitleLetter));
    label->setProperty("index", index);
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(48);
    label->setFont(font);
    label->resize(twipsToPixels(titleLetterWidth(index)), twipsToPixels(kTitleLetterHeightTwips));
    // Shown with the window, or at once when the window is already on screen.
    label->show();
    return label;
}

QTimer* makeTimer(QObject* parent, Control name) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(objectNameOf(name));
    timer->setInterval(TitleBanner::kTimerIntervalMs);
    return timer;
}

} // namespace

TitleBanner::TitleBanner(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("TitleBanner"));
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        letters_[i] = makeLetter(window, i);
    placeLetters();
    paint(kAllLetters);

    timers_ = {makeTimer(this, Control::MarqueeTimer), makeTimer(this, Control::RisingColourTimer),
               makeTimer(this, Control::FallingColourTimer)};
    connect(timers_[0], &QTimer::timeout, this, &TitleBanner::Timer1_Timer);
    connect(timers_[1], &QTimer::timeout, this, &TitleBanner::Timer2_Timer);
    connect(timers_[2], &QTimer::timeout, this, &TitleBanner::Timer3_Timer);
    // The falling timer starts first so that it ticks first while both colour timers run: then
    // letter 3, green at start, hands the colours over at once. With the rising timer first the
    // two would keep running side by side.
    timers_[0]->start();
    timers_[2]->start();
    timers_[1]->start();
}

void TitleBanner::Timer1_Timer() {
    animation_.Timer1_Timer();
    placeLetters();
}

void TitleBanner::Timer2_Timer() {
    paint(animation_.Timer2_Timer());
    followColourTimers();
}

void TitleBanner::Timer3_Timer() {
    paint(animation_.Timer3_Timer());
    followColourTimers();
}

void TitleBanner::paint(TitleAnimation::PaintedLetters painted) {
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i) {
        if (!(painted & (1u << i)))
            continue;
        QPalette palette = letters_[i]->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(animation_.R()[i], animation_.G()[i], animation_.B()[i]));
        letters_[i]->setPalette(palette);
    }
}

void TitleBanner::placeLetters() {
    for (int i = 0; i < TitleAnimation::kLetterCount; ++i)
        letters_[i]->move(twipsToPixels(animation_.left(i)), 0);
}

// Switching a timer on restarts its interval, as the handover of the animation means; a timer
// that already runs keeps its rhythm.
void TitleBanner::followColourTimers() {
    const std::array<bool, 2> enabled = {animation_.risingOn(), animation_.fallingOn()};
    for (int k = 0; k < 2; ++k) {
        QTimer* timer = timers_[k + 1];
        if (enabled[k] && !timer->isActive())
            timer->start();
        else if (!enabled[k] && timer->isActive())
            timer->stop();
    }
}

} // namespace wed
