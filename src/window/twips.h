#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>

namespace wed {

// A rectangle in twips (1/1440 inch), relative to the control's container.
struct TwipsRect {
    int left, top, width, height;
};

// The window is laid out in twips at a fixed 15 twips per logical pixel (the classic 96 DPI):
// Qt scales logical pixels to the screen itself, so the layout does not follow the screen.
inline constexpr int kTwipsPerPixel = 15;

// Whole twips per logical pixel of the screen, per axis: the screen's value rounded to the
// nearest whole number, halves to even. 15 at 96 DPI, and 15 when there is no screen (no GUI
// application, or a platform without one).
int ScreenTwipsPerPixelX();
int ScreenTwipsPerPixelY();
// 1440 / dpi rounded as above; 15 for a DPI that is not a positive number.
int wholeTwipsPerPixel(double dotsPerInch);

// The one rounding of twips to pixels: to the nearest pixel, halves to even; clamped to 32 bits.
int32_t twipsToPixels(double twips, int twipsPerPixel = kTwipsPerPixel);
QRect twipsToPixels(const TwipsRect& r);
QRect twipsToPixels(int left, int top, int width, int height);

} // namespace wed

// The picture module's twips, with the screen's whole twips per pixel.
namespace wed::CBitmap {

// Pixels to twips and back; twips to pixels rounds as twipsToPixels. Results beyond 32 bits are
// clamped.
QSize PixelsToTwips(int32_t width, int32_t height);
QSize TwipsToPixels(int32_t width, int32_t height);

} // namespace wed::CBitmap
