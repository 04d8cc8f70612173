#pragma once

#include "window/field_layout.h"

#include <QRect>

namespace wed {

// Positions are given in twips; the window works in logical pixels, 15 twips each.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect twipsToPixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

inline QRect twipsToPixels(int left, int top, int width, int height) {
    return twipsToPixels(TwipsRect{left, top, width, height});
}

} // namespace wed
