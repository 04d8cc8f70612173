#include "window/tga_reader.h"

#include "image/bitmap.h"
#include "picture/tga_file.h"
#include "window/twips.h"

namespace wed {

namespace {

// The decoded pixels as an opaque RGB32 image over their own memory, which the image frees
// when its last copy goes: the picture is not copied on its way to the bitmap.
QImage imageOf(TgaPixels decoded) {
    if (!decoded.decoded())
        return {};
    QImage image(
        reinterpret_cast<uchar*>(decoded.pixels), decoded.width, decoded.height,
        qsizetype{decoded.width} * 4, QImage::Format_RGB32,
        [](void* memory) { delete[] static_cast<uint32_t*>(memory); }, decoded.memory.get());
    if (!image.isNull())
        decoded.memory.release(); // the image owns it now
    return image;
}

} // namespace

QImage readTgaImage(const QString& fileName) {
    return imageOf(readTgaFile(fileName));
}

void LoadTGA::Load(const QString& FileName) {
    LoadFromBytes(readTgaBytes(FileName));
}

void LoadTGA::LoadFromBytes(QByteArrayView bytes) {
    TgaPixels decoded = decodeTga(bytes);
    header_ = decoded.header;
    const int width = header_ ? header_->Width : 0;
    const int height = header_ ? header_->Height : 0;
    const QSize twips = CBitmap::PixelsToTwips(width, height);
    twipsWidth_ = twips.width();
    twipsHeight_ = twips.height();
    QImage image = imageOf(std::move(decoded));
    isTGA_ = !image.isNull();
    if (!isTGA_)
        return; // the last decoded size and the current bitmap stay as they were
    imageWidth_ = width;
    imageHeight_ = height;
    CBitmap::SetCurrentBitmap(std::move(image));
}

void LoadTGA::DrawTGA(PictureObject& PicObj) const {
    CBitmap::PaintDIB(imageWidth_, imageHeight_, PicObj, autoscale_);
}

int32_t LoadTGA::TGAWidth() const {
    return scaleMode_ == 0 ? imageWidth_ : scaleMode_ == 1 ? twipsWidth_ : 0;
}

int32_t LoadTGA::TGAHeight() const {
    return scaleMode_ == 0 ? imageHeight_ : scaleMode_ == 1 ? twipsHeight_ : 0;
}

// The property keeps its published meaning, types 9 and 10; run-length greyscale (type 11) is
// still decoded as run-length.
int16_t LoadTGA::Compressed() const {
    return header_ && (header_->ImageType == 9 || header_->ImageType == 10) ? -1 : 0;
}

int16_t LoadTGA::Bpp() const {
    return header_ ? header_->PixelDepth : 0;
}

} // namespace wed
