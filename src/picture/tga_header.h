#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace wed {

// The 18-byte header at the start of every TGA file (little-endian multi-byte fields).
struct TgaHeader {
    static constexpr int kSize = 18;

    uint8_t IDLength = 0;
    uint8_t ColorMapType = 0;
    uint8_t ImageType = 0;
    uint16_t ColorMapStart = 0;
    uint16_t ColorMapLength = 0;
    uint8_t ColorMapDepth = 0;
    int16_t XOrigin = 0;
    int16_t YOrigin = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PixelDepth = 0;
    uint8_t ImageDescriptor = 0;

    // Origin at the top (descriptor bit 0x20) and right-to-left rows (bit 0x10).
    bool topDown() const { return (ImageDescriptor & 0x20) != 0; }
    bool rightToLeft() const { return (ImageDescriptor & 0x10) != 0; }
    bool runLength() const { return ImageType == 9 || ImageType == 10 || ImageType == 11; }
    bool colourMapped() const { return ImageType == 1 || ImageType == 9; }
    bool greyscale() const { return ImageType == 3 || ImageType == 11; }
    // A colour map follows the ID field when the header announces one; a colour-mapped image
    // always carries its map, whatever the map type byte says.
    bool hasColourMap() const {
        return ColorMapType == 1 || (colourMapped() && ColorMapLength > 0);
    }
    int colourMapEntryBytes() const { return (ColorMapDepth + 7) / 8; }
    int pixelBytes() const { return (PixelDepth + 7) / 8; }
    // Bytes between the header and the pixel data: the image ID field and the colour map.
    int64_t pixelDataOffset() const;
};

// Reads the header from the first 18 bytes; none when there are fewer.
std::optional<TgaHeader> parseTgaHeader(QByteArrayView bytes);

// The largest picture the reader draws: no side above 16384 pixels and no decoded bitmap
// above 256 MiB, so that a damaged header cannot make the editor allocate gigabytes.
constexpr int kMaxTgaSide = 16384;
constexpr int64_t kMaxTgaBitmapBytes = int64_t{256} * 1024 * 1024;

// True when the reader decodes and draws images with this header: a known image type with a
// pixel depth that type defines, a size of at least one pixel and within the limits above.
// The run-length types 32 and 33 of the format's later variants are not decoded.
bool isDecodableTga(const TgaHeader& header);

// The most file bytes a decodable image can use: the header, ID field, colour map and the
// largest pixel stream its size allows. Bytes after that are a footer the reader ignores.
int64_t tgaBytesNeeded(const TgaHeader& header);

} // namespace wed
