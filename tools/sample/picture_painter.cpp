#include "picture_painter.h"

#include <algorithm>
#include <cstdlib>

namespace wed::sample {
namespace {

constexpr int kGradientLevels = 64;
constexpr std::uint8_t kEdge = kGradientLevels;
constexpr std::uint8_t kShape = kGradientLevels + 1;
constexpr std::uint8_t kOutline = kGradientLevels + 2;
constexpr std::uint8_t kHighlight = kGradientLevels + 3;
constexpr int kShapeKinds = 6;

// Hue in degrees, saturation and value from 0 to 255.
Rgb fromHsv(int hue, int saturation, int value) {
    hue %= 360;
    const int sector = hue / 60;
    const int f = (hue % 60) * 255 / 60;
    const int p = value * (255 - saturation) / 255;
    const int q = value * (255 - saturation * f / 255) / 255;
    const int t = value * (255 - saturation * (255 - f) / 255) / 255;
    auto rgb = [](int r, int g, int b) {
        return Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
    };
    switch (sector) {
    case 0:
        return rgb(value, t, p);
    case 1:
        return rgb(q, value, p);
    case 2:
        return rgb(p, value, t);
    case 3:
        return rgb(p, q, value);
    case 4:
        return rgb(t, p, value);
    default:
        return rgb(value, p, q);
    }
}

void fillPalette(IndexedPicture& picture, int hue) {
    for (int level = 0; level < kGradientLevels; ++level) {
        const int value = 235 - level * 110 / (kGradientLevels - 1);
        picture.palette[std::size_t(level)] = fromHsv(hue, 90, value);
    }
    picture.palette[kEdge] = fromHsv(hue, 200, 60);
    picture.palette[kShape] = fromHsv(hue + 180, 220, 230);
    picture.palette[kOutline] = fromHsv(hue + 180, 255, 110);
    picture.palette[kHighlight] = fromHsv(hue + 180, 60, 255);
    picture.paletteSize = kHighlight + 1;
}

// Whether the point lies in the shape. Coordinates are doubled and centred (px = 2x + 1 - w),
// so that odd and even sizes are both symmetric; r is the doubled radius.
bool insideShape(int kind, int px, int py, int r) {
    const int ax = std::abs(px), ay = std::abs(py);
    switch (kind) {
    case 0: // disc
        return px * px + py * py <= r * r;
    case 1: // box
        return ax <= r && ay <= r * 3 / 4;
    case 2: // diamond
        return ax + ay <= r;
    case 3: // triangle pointing up
        return py <= r && 2 * ax <= py + r;
    case 4: // ring
        return px * px + py * py <= r * r && px * px + py * py >= r * r * 3 / 10;
    default: // cross
        return (ax <= r / 3 && ay <= r) || (ay <= r / 3 && ax <= r);
    }
}

} // namespace

IndexedPicture paintItemPicture(int serial, int width, int height, bool large) {
    IndexedPicture picture(width, height);
    fillPalette(picture, serial * 137);
    const int kind = serial % kShapeKinds;
    const int r = std::min(width, height) * 7 / 10;
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height &&
               insideShape(kind, 2 * x + 1 - width, 2 * y + 1 - height, r);
    };
    for (int y = 0; y < height; ++y) {
        const auto level = std::uint8_t(y * (kGradientLevels - 1) / std::max(1, height - 1));
        for (int x = 0; x < width; ++x) {
            std::uint8_t index = level;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                index = kEdge;
            else if (inside(x, y))
                index = inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)
                            ? kShape
                            : kOutline;
            picture.at(x, y) = index;
        }
    }
    if (large) {
        // A small glint up and to the left of the centre.
        const int cx = width / 2 - width / 8, cy = height / 2 - height / 8, g = r / 8 + 1;
        for (int y = cy - g; y <= cy + g; ++y)
            for (int x = cx - g; x <= cx + g; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= g * g &&
                    picture.at(x, y) == kShape)
                    picture.at(x, y) = kHighlight;
    }
    return picture;
}

} // namespace wed::sample
