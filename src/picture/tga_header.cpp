#include "picture/tga_header.h"

namespace wed {

namespace {

uint16_t word(const char* p) {
    return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | (static_cast<uint8_t>(p[1]) << 8));
}

bool pixelDepthFitsType(const TgaHeader& h) {
    switch (h.ImageType) {
    case 1:
    case 9: // colour-map indices
        return h.PixelDepth == 8 || h.PixelDepth == 16;
    case 2:
    case 10: // true colour; an 8-bit true-colour image can only mean grey levels
    case 3:
    case 11: // grey, optionally with an alpha byte; wider depths hold colour
        return h.PixelDepth == 8 || h.PixelDepth == 15 || h.PixelDepth == 16 ||
               h.PixelDepth == 24 || h.PixelDepth == 32;
    default:
        return false;
    }
}

} // namespace

int64_t TgaHeader::pixelDataOffset() const {
    int64_t offset = kSize + int64_t{IDLength};
    if (hasColourMap())
        offset += int64_t{ColorMapLength} * colourMapEntryBytes();
    return offset;
}

std::optional<TgaHeader> parseTgaHeader(QByteArrayView bytes) {
    if (bytes.size() < TgaHeader::kSize)
        return std::nullopt;
    const char* p = bytes.data();
    TgaHeader h;
    h.IDLength = static_cast<uint8_t>(p[0]);
    h.ColorMapType = static_cast<uint8_t>(p[1]);
    h.ImageType = static_cast<uint8_t>(p[2]);
    h.ColorMapStart = word(p + 3);
    h.ColorMapLength = word(p + 5);
    h.ColorMapDepth = static_cast<uint8_t>(p[7]);
    h.XOrigin = static_cast<int16_t>(word(p + 8));
    h.YOrigin = static_cast<int16_t>(word(p + 10));
    h.Width = word(p + 12);
    h.Height = word(p + 14);
    h.PixelDepth = static_cast<uint8_t>(p[16]);
    h.ImageDescriptor = static_cast<uint8_t>(p[17]);
    return h;
}

bool isDecodableTga(const TgaHeader& h) {
    if (!pixelDepthFitsType(h))
        return false;
    if (h.Width == 0 || h.Height == 0 || h.Width > kMaxTgaSide || h.Height > kMaxTgaSide)
        return false;
    return int64_t{h.Width} * h.Height * 4 <= kMaxTgaBitmapBytes;
}

int64_t tgaBytesNeeded(const TgaHeader& h) {
    const int64_t pixels = int64_t{h.Width} * h.Height;
    const int64_t p = h.pixelBytes();
    // Worst case of run-length data: a packet byte before every pixel.
    const int64_t stream = h.runLength() ? pixels * (p + 1) : pixels * p;
    return h.pixelDataOffset() + stream;
}

} // namespace wed
