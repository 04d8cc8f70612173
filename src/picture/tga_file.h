#pragma once

#include "picture/tga_decoder.h"

#include <QByteArray>
#include <QString>

namespace wed {

// The bytes of a TGA file that a picture can use: the header, and when it announces a picture
// the reader decodes, no more than that picture can need (a huge or damaged file is not read
// whole). Empty when the file cannot be opened.
QByteArray readTgaBytes(const QString& fileName);

// The picture in a TGA file, decoded from those bytes (not decoded when the file cannot be read
// or is not a picture the reader draws).
TgaPixels readTgaFile(const QString& fileName);

} // namespace wed
