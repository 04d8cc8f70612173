#include "window/item_picture.h"

#include "base/path_case.h"
#include "image/bitmap.h"
#include "window/tga_reader.h"
#include "window/twips.h"

namespace wed {

QString picturePath(const QString& pictureFolder, const QString& fileName) {
    return resolvePathIgnoringCase(pictureFolder, fileName);
}

void ShowItemPicture(const QString& pictureFolder, const std::optional<QString>& fileName,
                     PictureObject& Pic1) {
    Pic1.clear();
    if (!fileName || pictureFolder.isEmpty())
        return;
    LoadTGA picture; // twips, autoscale on
    picture.Load(picturePath(pictureFolder, *fileName));
    if (!picture.IsTGA())
        return;
    Pic1.resizeOuter(CBitmap::TwipsToPixels(picture.TGAWidth(), picture.TGAHeight()));
    picture.DrawTGA(Pic1);
}

void ShowItemPicture(const QString& pictureFolder, QStringView vidMenu, PictureSize size,
                     bool heand, PictureObject& Pic1) {
    ShowItemPicture(pictureFolder, pictureFileName(vidMenu, size, heand), Pic1);
}

} // namespace wed
