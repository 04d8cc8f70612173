#pragma once

#include "image/picture_object.h"
#include "picture/picture_name.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace wed {

// Where a picture file of the picture folder is: the folder, one separator, the name, each
// part found whatever its letter case on disk.
QString picturePath(const QString& pictureFolder, const QString& fileName);

// The picture step: clears the box, then, when the named file is a picture the reader draws,
// sizes the box to it and draws it 1:1 (its inside exactly the image). A missing name, folder
// or file, or a broken picture, leaves the box cleared at its size. Never throws.
void ShowItemPicture(const QString& pictureFolder, const std::optional<QString>& fileName,
                     PictureObject& box);

// The same, with the name formed from the item's VidMENU value (see pictureFileName).
void ShowItemPicture(const QString& pictureFolder, QStringView vidMenu, PictureSize size,
                     bool heand, PictureObject& box);

} // namespace wed
