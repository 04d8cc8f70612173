#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace wed::test {

// The parts of a TGA file to write. Pixels are given as stored, uncompressed, in file order;
// run-length image types (9, 10, 11) get them packed into packets that cross row ends.
struct TgaParts {
    uint8_t imageType = 2;
    uint8_t pixelDepth = 24;
    uint16_t width = 1;
    uint16_t height = 1;
    uint8_t descriptor = 0;
    QByteArray id;
    uint8_t colorMapType = 0;
    uint16_t colorMapStart = 0;
    uint8_t colorMapDepth = 0;
    QByteArray colorMap;     // entries as stored
    int colorMapLength = -1; // -1: as many entries as colorMap holds
    int16_t xOrigin = 0;
    int16_t yOrigin = 0;
    QByteArray pixels;
    QByteArray footer; // bytes after the pixel data
};

QByteArray buildTga(const TgaParts& parts);

// Run-length packets for stored pixels: runs of two or more equal pixels become run packets,
// everything else raw packets, at most 128 pixels each.
QByteArray encodeRunLength(QByteArrayView pixels, int bytesPerPixel);

// Deterministic pixel bytes with some repeated pixels, so that run-length data has both runs
// and raw stretches. `modulo` bounds every byte (for colour-map indices).
QByteArray patternPixels(int count, int bytesPerPixel, uint32_t seed, int modulo = 256);

} // namespace wed::test
