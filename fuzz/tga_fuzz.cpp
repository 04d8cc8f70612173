// Feeds arbitrary bytes to the picture reader as a whole file, and to the bitmap conversions
// as pixel arrays, checking that the decoded picture has the size its header announces and is
// called truncated exactly when the file is too short for it.
#include "image/bitmap.h"
#include "window/tga_reader.h"
#include "picture/tga_decoder.h"

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

    const wed::TgaPixels decoded = wed::decodeTga(bytes);
    if (decoded.decoded()) {
        const wed::TgaHeader& h = *decoded.header;
        if (decoded.width != h.Width || decoded.height != h.Height)
            std::abort();
        // Every pixel must be opaque: alpha is never taken from the file.
        for (int64_t i = 0; i < int64_t{decoded.width} * decoded.height; ++i)
            if ((decoded.pixels[i] >> 24) != 0xff)
                std::abort();
        // The most bytes the picture can need always suffice; raw pixels need exactly that.
        const bool enough = int64_t(size) >= wed::tgaBytesNeeded(h);
        if (decoded.truncated ? enough : !enough && !h.runLength())
            std::abort();
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
