#pragma once

#include "image/tga_header.h"

#include <QByteArrayView>
#include <QImage>

namespace wed {

// One TGA file decoded: its header (when it had one) and, when the reader draws this kind of
// image, the picture as an opaque QImage::Format_RGB32 bitmap, top row first, left to right.
// Alpha is ignored; pixels the file lacks are black.
struct TgaImage {
    std::optional<TgaHeader> header;
    QImage image; // null when the header is missing or not decodable
};

// Decodes the bytes of a whole TGA file. Never reads outside the bytes given, never throws.
TgaImage decodeTga(QByteArrayView bytes);

} // namespace wed
