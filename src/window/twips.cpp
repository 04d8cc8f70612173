#include "window/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

namespace wed {
namespace {

constexpr int kTwipsPerInch = 1440;

// The screen the window lives on; none in a program without a GUI application.
const QScreen* primaryScreen() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    return QGuiApplication::primaryScreen();
}

int32_t clampToInt32(double v) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(v, lo, hi));
}

} // namespace

int wholeTwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0) || !std::isfinite(dotsPerInch))
        return kTwipsPerPixel;
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double twips = std::nearbyint(kTwipsPerInch / dotsPerInch);
    return twips < 1 ? 1 : static_cast<int>(twips);
}

// Logical DPI: Qt's widget coordinates are logical pixels, so on a high-DPI screen an image
// drawn with this measure still covers one logical pixel per image pixel.
int ScreenTwipsPerPixelX() {
    const QScreen* screen = primaryScreen();
    return screen ? wholeTwipsPerPixel(screen->logicalDotsPerInchX()) : kTwipsPerPixel;
}

int ScreenTwipsPerPixelY() {
    const QScreen* screen = primaryScreen();
    return screen ? wholeTwipsPerPixel(screen->logicalDotsPerInchY()) : kTwipsPerPixel;
}

int32_t twipsToPixels(double twips, int twipsPerPixel) {
    // std::nearbyint rounds halves to even in the default rounding mode.
    return clampToInt32(std::nearbyint(twips / twipsPerPixel));
}

QRect twipsToPixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

QRect twipsToPixels(int left, int top, int width, int height) {
    return twipsToPixels(TwipsRect{left, top, width, height});
}

QSize CBitmap::PixelsToTwips(int32_t width, int32_t height) {
    return QSize(clampToInt32(double(width) * ScreenTwipsPerPixelX()),
                 clampToInt32(double(height) * ScreenTwipsPerPixelY()));
}

QSize CBitmap::TwipsToPixels(int32_t width, int32_t height) {
    return QSize(twipsToPixels(width, ScreenTwipsPerPixelX()),
                 twipsToPixels(height, ScreenTwipsPerPixelY()));
}

} // namespace wed
