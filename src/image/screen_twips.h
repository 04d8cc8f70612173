#pragma once

namespace wed {

// Whole twips (1/1440 inch) per logical pixel of the screen, per axis: the screen's value
// rounded to the nearest whole number, halves to even. 15 at 96 DPI, and 15 when there is no
// screen (no GUI application, or a platform without one).
int ScreenTwipsPerPixelX();
int ScreenTwipsPerPixelY();

// 1440 / dpi rounded as above; 15 for a DPI that is not a positive number.
int wholeTwipsPerPixel(double dotsPerInch);

} // namespace wed
