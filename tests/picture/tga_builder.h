#pragma once

#include "picture/tga_decoder.h"

#include <QByteArray>
#include <cstdint>

namespace wed::test {

// The parts of a TGA file to write. Pixels are given as stored, uncompressed, in file order;
// run-length image types (9, 10, 11) get them packed into packets that cross row ends.
struct TgaParts {
    explicit TgaParts(uint8_t type = 2, uint8_t depth = 24, uint16_t width = 1, uint16_t height = 1,
                      uint8_t descriptor = 0)
        : imageType(type), pixelDepth(depth), width(width), height(height), descriptor(descriptor) {
    }

    uint8_t imageType, pixelDepth;
    uint16_t width, height;
    uint8_t descriptor;
    QByteArray id;
    uint8_t colorMapType = 0;
    uint16_t colorMapStart = 0;
    uint8_t colorMapDepth = 0;
    QByteArray colorMap; // entries as stored
    QByteArray pixels;
    QByteArray footer; // bytes after the pixel data
};

QByteArray buildTga(const TgaParts& parts);

// Deterministic pixel bytes with some repeated pixels, so that run-length data has both runs
// and raw stretches.
QByteArray patternPixels(int count, int bytesPerPixel, uint32_t seed);

// An opaque colour as the decoder writes it, and pixel x, y of a decoded picture.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) {
    return 0xff000000u | r << 16 | g << 8 | b;
}
inline uint32_t pixelAt(const TgaPixels& p, int x, int y) {
    return p.pixels[size_t(y) * size_t(p.width) + size_t(x)];
}

} // namespace wed::test
