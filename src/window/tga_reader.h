#pragma once

#include "image/picture_object.h"
#include "picture/tga_header.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace wed {

// Reads one TGA picture and makes it the module's current bitmap (see image/bitmap.h), which
// DrawTGA then paints. A caller makes a fresh object, loads a file, reads IsTGA and, when it
// is true, the size, and calls DrawTGA. Booleans are 16-bit: -1 true, 0 false.
//
// Decoded: image types 1 and 9 (colour-mapped, 8- or 16-bit indices), 2 and 10 (true colour,
// 15, 16, 24 or 32 bits), 3 and 11 (grey). The ID field and any colour map are skipped; alpha
// is ignored; rows go bottom-up or top-down and left-to-right or right-to-left as the image
// descriptor says. Pixels a short file lacks are black.
// The picture in a TGA file, decoded (null when the file cannot be read or is not a picture
// this reader draws). Reads no more of the file than the picture can need.
QImage readTgaImage(const QString& fileName);

class LoadTGA {
  public:
    LoadTGA() = default;

    // Reads and decodes the file. A file that cannot be opened or read leaves IsTGA false and
    // the current bitmap as it was; nothing is thrown.
    void Load(const QString& FileName);
    // The same for the bytes of a whole file already in memory.
    void LoadFromBytes(QByteArrayView bytes);

    // Paints the current bitmap into the picture object at the last decoded size, sizing the
    // object first when Autoscale is -1 (CBitmap::PaintDIB).
    void DrawTGA(PictureObject& PicObj) const;

    // Size of the last decoded image: pixels when ScaleMode is 0, twips when it is 1.
    int32_t TGAWidth() const;
    int32_t TGAHeight() const;
    // -1 for the run-length image types 9 and 10 (type 11 is decoded as run-length too).
    int16_t Compressed() const;
    int16_t Bpp() const;
    // -1 when the last file was a picture this reader decodes and draws.
    int16_t IsTGA() const { return isTGA_ ? -1 : 0; }

    // Unit of TGAWidth and TGAHeight: 0 pixels, 1 twips; any positive value is stored as 1.
    int16_t ScaleMode() const { return scaleMode_; }
    void setScaleMode(int16_t vNewValue) { scaleMode_ = vNewValue > 0 ? 1 : vNewValue; }
    // -1 makes DrawTGA size the picture object to the image.
    int16_t Autoscale() const { return autoscale_; }
    void setAutoscale(int16_t vNewValue) { autoscale_ = vNewValue; }

    // The header of the last file; none when it was shorter than a header or unreadable.
    const std::optional<TgaHeader>& header() const { return header_; }

  private:
    std::optional<TgaHeader> header_;
    bool isTGA_ = false;
    int32_t imageWidth_ = 0;
    int32_t imageHeight_ = 0;
    int32_t twipsWidth_ = 0;
    int32_t twipsHeight_ = 0;
    int16_t scaleMode_ = 1;
    int16_t autoscale_ = -1;
};

} // namespace wed
