// Feeds arbitrary bytes to the picture reader as a whole file, and to the bitmap conversions
// as pixel arrays, checking that the decoded picture has the size its header announces.
#include "image/bitmap.h"
#include "image/tga_decoder.h"
#include "image/tga_reader.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Pictures of millions of pixels take the same paths as small ones, only slower: keep the
    // runs quick (the size limits themselves are unit-tested).
    const auto header = wed::parseTgaHeader(bytes);
    if (header && int64_t{header->Width} * header->Height > (int64_t{1} << 16))
        return 0;

    const wed::TgaImage decoded = wed::decodeTga(bytes);
    if (!decoded.image.isNull()) {
        if (decoded.image.width() != decoded.header->Width ||
            decoded.image.height() != decoded.header->Height ||
            decoded.image.format() != QImage::Format_RGB32)
            std::abort();
        // Every pixel must be opaque: alpha is never taken from the file.
        for (int y = 0; y < decoded.image.height(); ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(decoded.image.constScanLine(y));
            for (int x = 0; x < decoded.image.width(); ++x)
                if ((row[x] >> 24) != 0xff)
                    std::abort();
        }
    }

    wed::LoadTGA reader;
    reader.LoadFromBytes(bytes);

    // The first bytes choose a small size for the bitmap conversions of the rest.
    if (size >= 3) {
        const int width = data[0] % 64 + 1;
        const int height = data[1] % 64 + 1;
        const int16_t topDown = data[2] & 1;
        const QByteArrayView pixels = bytes.sliced(3);
        wed::CBitmap::SetPalette(pixels);
        wed::CBitmap::MakeDIB8(pixels, width, height, topDown);
        wed::CBitmap::MakeDIB16(pixels, width, height, topDown);
        wed::CBitmap::MakeDIB32(pixels, width, height, topDown);
        if (wed::CBitmap::CurrentBitmap().size() != QSize(width, height))
            std::abort();
    }
    return 0;
}
