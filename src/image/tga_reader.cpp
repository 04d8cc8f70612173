#include "image/tga_reader.h"

#include "image/bitmap.h"
#include "image/tga_decoder.h"

#include <QFile>
#include <algorithm>

namespace wed {

namespace {

// The bytes of the file that a picture can use: the header, and when it announces a picture
// this reader decodes, no more than that picture can need (a huge or damaged file is not read
// whole). Empty when the file cannot be opened.
QByteArray readPictureBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(TgaHeader::kSize);
    const std::optional<TgaHeader> header = parseTgaHeader(bytes);
    if (!header || !isDecodableTga(*header))
        return bytes;
    const qint64 wanted = tgaBytesNeeded(*header) - TgaHeader::kSize;
    const qint64 rest = std::max<qint64>(0, file.size() - TgaHeader::kSize);
    bytes += file.read(std::min(wanted, rest));
    return bytes;
}

} // namespace

QImage readTgaImage(const QString& fileName) {
    return decodeTga(readPictureBytes(fileName)).image;
}

void LoadTGA::Load(const QString& FileName) {
    LoadFromBytes(readPictureBytes(FileName));
}

void LoadTGA::LoadFromBytes(QByteArrayView bytes) {
    TgaImage decoded = decodeTga(bytes);
    header_ = decoded.header;
    const int width = header_ ? header_->Width : 0;
    const int height = header_ ? header_->Height : 0;
    const QSize twips = CBitmap::PixelsToTwips(width, height);
    twipsWidth_ = twips.width();
    twipsHeight_ = twips.height();
    isTGA_ = !decoded.image.isNull();
    if (!isTGA_)
        return; // the last decoded size and the current bitmap stay as they were
    imageWidth_ = width;
    imageHeight_ = height;
    CBitmap::SetCurrentBitmap(std::move(decoded.image));
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
