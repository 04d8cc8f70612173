#include "image/bitmap.h"

#include "picture/tga_colours.h"
#include "picture/tga_header.h"

#include <algorithm>
#include <array>

namespace wed::CBitmap {

namespace {

using namespace tga_colours;

// Module state: the 8-bit colour table and the current bitmap.
std::array<uint32_t, 256>& colourTable() {
    static std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        t.fill(kBlack);
        return t;
    }();
    return table;
}

QImage& current() {
    static QImage image;
    return image;
}

bool sizeAccepted(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width <= kMaxTgaSide && height <= kMaxTgaSide &&
           int64_t{width} * height * 4 <= kMaxTgaBitmapBytes;
}

// Builds the current bitmap from rows of `rowBytes` bytes each, `pixel` turning the bytes of
// pixel x of a row into its colour; a row the array holds only in part is black from there on.
template <class Pixel>
void make(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown,
          qsizetype bytesPerPixel, qsizetype rowBytes, Pixel pixel) {
    current() = QImage();
    if (!sizeAccepted(width, height))
        return;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return;
    const auto* data = reinterpret_cast<const uint8_t*>(pixels.data());
    for (int32_t r = 0; r < height; ++r) {
        auto* out = reinterpret_cast<uint32_t*>(image.scanLine(topDown ? r : height - 1 - r));
        const qsizetype start = qsizetype{r} * rowBytes;
        const qsizetype have = std::clamp<qsizetype>(pixels.size() - start, 0, rowBytes);
        const int32_t whole =
            static_cast<int32_t>(std::min<qsizetype>(width, have / bytesPerPixel));
        for (int32_t x = 0; x < whole; ++x)
            out[x] = pixel(data + start + x * bytesPerPixel);
        std::fill(out + whole, out + width, kBlack);
    }
    current() = std::move(image);
}

qsizetype paddedToFour(qsizetype bytes) {
    return (bytes + 3) / 4 * 4;
}

} // namespace

void SetPalette(QByteArrayView redGreenBlue) {
    auto byte = [&](qsizetype i) -> uint32_t {
        return i < redGreenBlue.size() ? static_cast<uint8_t>(redGreenBlue[i]) : 0;
    };
    for (int i = 0; i < 256; ++i)
        colourTable()[i] = kOpaque | (byte(3 * i) << 16) | (byte(3 * i + 1) << 8) | byte(3 * i + 2);
}

void MakeDIB8(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown) {
    const auto& table = colourTable();
    make(pixels, width, height, topDown, 1, paddedToFour(width),
         [&](const uint8_t* s) { return table[s[0]]; });
}

void MakeDIB16(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown) {
    make(pixels, width, height, topDown, 2, paddedToFour(qsizetype{width} * 2), rgb555);
}

void MakeDIB32(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown) {
    make(pixels, width, height, topDown, 4, qsizetype{width} * 4, bgrx);
}

void SetCurrentBitmap(QImage image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    current() = std::move(image);
}

const QImage& CurrentBitmap() {
    return current();
}

void PaintDIB(int32_t W, int32_t H, PictureObject& PicObj, int16_t Autoscale) {
    PicObj.clear();
    if (Autoscale == -1)
        PicObj.resizeOuter(QSize(W, H));
    QSize destination;
    const QSize outer = PicObj.outerSize();
    const QSize inside = PicObj.insideSize();
    if (outer != inside) {
        // The target is the outer size taken before the box grows by its border once more,
        // which leaves its inside exactly that size.
        destination = outer;
        PicObj.resizeOuter(outer + (outer - inside));
    } else {
        destination = inside;
    }
    const QImage& bitmap = current();
    if (!bitmap.isNull())
        PicObj.drawImage(bitmap, QRect(0, 0, W, H), QRect(QPoint(0, 0), destination));
}

} // namespace wed::CBitmap
