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
                     PictureObject& box) {
    box.clear();
    if (!fileName || pictureFolder.isEmpty())
        return;
    LoadTGA picture; // twips, autoscale on
    picture.Load(picturePath(pictureFolder, *fileName));
    if (!picture.IsTGA())
        return;
    box.resizeOuter(CBitmap::TwipsToPixels(picture.TGAWidth(), picture.TGAHeight()));
    picture.DrawTGA(box);
}

void ShowItemPicture(const QString& pictureFolder, QStringView vidMenu, PictureSize size,
                     bool heand, PictureObject& box) {
    ShowItemPicture(pictureFolder, pictureFileName(vidMenu, size, heand), box);
}

} // namespace wed
