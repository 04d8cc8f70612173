#include "image/item_picture.h"

#include "base/category.h"
#include "base/path_case.h"
#include "image/bitmap.h"
#include "image/tga_reader.h"

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

void ShowPictureForOption(int editGate, QStringView categoryWord, QStringView vidMenuText,
                          QStringView selectedListEntry, PictureSize size,
                          const QString& pictureFolder, PictureObject& Pic1) {
    if (editGate != 1)
        return;
    if (categoryForWord(categoryWord) == nullptr) {
        Pic1.clear();
        return;
    }
    const bool heand = selectedListEntry == u"heand";
    ShowItemPicture(pictureFolder, vidMenuText, size, heand, Pic1);
}

} // namespace wed
