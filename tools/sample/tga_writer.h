#pragma once

#include "indexed_picture.h"

#include <QByteArray>

namespace wed::sample {

// The pixel layouts the sample pictures are written in.
enum class TgaLayout {
    ColourMapped8, // 8-bit indexes into a 24-bit colour map
    Grey8,         // 8-bit luminance
    True16,        // 5 bits each of red, green and blue, top bit set (opaque)
    True24,        // blue, green, red
    True32,        // blue, green, red, alpha (opaque)
};

struct TgaFormat {
    TgaLayout layout = TgaLayout::True24;
    bool runLength = false;
    bool topDown = false; // rows stored from the top; otherwise the bottom row comes first
};

// Encodes the picture as a TGA file: 18-byte header without an image ID, the colour map for
// the colour-mapped layout, then the rows. Run-length packets never span two rows, which every
// reader of the format accepts.
QByteArray encodeTga(const IndexedPicture& picture, TgaFormat format);

// The image type byte of the header for a format (1, 2, 3, 9, 10 or 11).
int tgaImageType(TgaFormat format);

} // namespace wed::sample
