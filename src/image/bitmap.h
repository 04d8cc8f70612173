#pragma once

#include "image/picture_object.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <cstdint>

// The device bitmap of the item pictures. The module keeps one current bitmap for the whole
// program: the last picture converted is the one any reader's DrawTGA paints. Only the UI
// thread uses it.
namespace wed::CBitmap {

// Colour table of the 8-bit conversions: 256 red, green, blue triples (768 bytes); bytes
// missing from a shorter array are 0, bytes after the 768th are not used.
void SetPalette(QByteArrayView redGreenBlue);

// Make the current bitmap from pixels in the classic device-independent layouts, rows one
// after another, bottom row first unless topDown is non-zero:
//  8-bit: one colour-table index per pixel, rows padded to a multiple of 4 bytes;
// 16-bit: little-endian words, red bits 14-10, green 9-5, blue 4-0, rows padded likewise;
// 32-bit: blue, green, red and an ignored byte per pixel.
// Pixels the array lacks are black. A size that is not positive or beyond the picture limits
// leaves no current bitmap.
void MakeDIB8(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown);
void MakeDIB16(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown);
void MakeDIB32(QByteArrayView pixels, int32_t width, int32_t height, int16_t topDown);

// The picture readers hand their decoded image over here (opaque RGB32, top row first).
void SetCurrentBitmap(QImage image);
const QImage& CurrentBitmap();

// Paints the current bitmap's W x H pixels into the picture object. Autoscale -1 first sizes
// the object to W x H; an object with a border then grows by the border so that its inside is
// W x H and the picture is drawn 1:1. Any other Autoscale stretches the picture over a
// rectangle of the object's outer size (with a border) or of its inside (without). With no
// current bitmap the object is only cleared and sized.
void PaintDIB(int32_t W, int32_t H, PictureObject& PicObj, int16_t Autoscale);

} // namespace wed::CBitmap
