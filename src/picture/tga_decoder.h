#pragma once

#include "picture/tga_header.h"

#include <QByteArrayView>
#include <cstdint>
#include <memory>
#include <optional>

namespace wed {

// One TGA file decoded: its header (when it had one) and, when the reader draws this kind of
// image, its pixels as opaque 0xffRRGGBB values, top row first, each row left to right.
// Alpha is ignored. Pixels the file lacks are black, and the file is then truncated: it ends
// before its last pixel (run-length data: its packets run out before every pixel is filled).
struct TgaPixels {
    std::optional<TgaHeader> header;
    int width = 0;
    int height = 0;
    uint32_t* pixels = nullptr; // width x height values in `memory`; null when not decoded
    std::unique_ptr<uint32_t[]> memory;
    bool truncated = false;

    bool decoded() const { return pixels != nullptr; }
};

// Decodes the bytes of a whole TGA file. Never reads outside the bytes given, never throws.
TgaPixels decodeTga(QByteArrayView bytes);

} // namespace wed
