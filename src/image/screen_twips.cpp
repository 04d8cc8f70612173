#include "image/screen_twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace wed {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixelWithoutScreen = 15;

// The screen the window lives on; none in a program without a GUI application.
const QScreen* primaryScreen() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    return QGuiApplication::primaryScreen();
}

} // namespace

int wholeTwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0) || !std::isfinite(dotsPerInch))
        return kTwipsPerPixelWithoutScreen;
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double twips = std::nearbyint(kTwipsPerInch / dotsPerInch);
    return twips < 1 ? 1 : static_cast<int>(twips);
}

// Logical DPI: Qt's widget coordinates are logical pixels, so on a high-DPI screen an image
// drawn with this measure still covers one logical pixel per image pixel.
int ScreenTwipsPerPixelX() {
    const QScreen* screen = primaryScreen();
    return screen ? wholeTwipsPerPixel(screen->logicalDotsPerInchX()) : kTwipsPerPixelWithoutScreen;
}

int ScreenTwipsPerPixelY() {
    const QScreen* screen = primaryScreen();
    return screen ? wholeTwipsPerPixel(screen->logicalDotsPerInchY()) : kTwipsPerPixelWithoutScreen;
}

} // namespace wed
