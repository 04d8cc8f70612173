#include "sample_game.h"

#include "item_catalog.h"
#include "picture_painter.h"
#include "sample_random.h"
#include "tga_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iterator>

namespace wed::sample {
namespace {

// Every layout, plain and run-length; the pictures take them in turn.
const TgaFormat kFormats[] = {
    {TgaLayout::ColourMapped8, false}, {TgaLayout::ColourMapped8, true}, {TgaLayout::Grey8, false},
    {TgaLayout::Grey8, true},          {TgaLayout::True16, false},       {TgaLayout::True16, true},
    {TgaLayout::True24, false},        {TgaLayout::True24, true},        {TgaLayout::True32, false},
    {TgaLayout::True32, true},
};
constexpr int kFormatCount = int(std::size(kFormats));

const QString kPictureFolder = QStringLiteral("Images/weapon/");

// The small picture's file name from the picture number: "12340005" gives "1234_0005.tga",
// the large one's first part is one lower: "1233_0005.tga" ("01000012" gives "99_0012.tga").
QString pictureFileName(const QString& vidMenu, bool large) {
    const QString first = large ? QString::number(vidMenu.left(4).toInt() - 1) : vidMenu.left(4);
    return first + QLatin1Char('_') + vidMenu.mid(4, 4) + QStringLiteral(".tga");
}

// Formats go round with the item, the large picture three steps ahead of the small one; rows
// run from the top down in every other round of ten, and the other way in the large picture.
TgaFormat pictureFormat(int serial, bool large) {
    TgaFormat format = kFormats[(serial + (large ? 3 : 0)) % kFormatCount];
    format.topDown = ((serial / kFormatCount) % 2 == 0) != large;
    return format;
}

QByteArray itemPicture(int serial, bool large) {
    SampleRandom rng(itemSeed(0x7A6E5ull, std::uint64_t(serial) * 2 + (large ? 1 : 0)));
    const int width = large ? rng.between(64, 128) : rng.between(32, 64);
    const int height = large ? rng.between(64, 96) : rng.between(32, 48);
    return encodeTga(paintItemPicture(serial, width, height, large), pictureFormat(serial, large));
}

void appendPictures(std::vector<SampleFile>& files, const SampleItem& item) {
    if (item.id == QLatin1String("heand")) {
        // The bare hands have one fixed picture for both sizes.
        files.push_back({kPictureFolder + QStringLiteral("1598.tga"),
                         encodeTga(paintItemPicture(item.serial, 48, 40, true),
                                   {TgaLayout::True24, true, false})});
        return;
    }
    for (const bool large : {false, true})
        files.push_back({kPictureFolder + pictureFileName(item.vidMenu, large),
                         itemPicture(item.serial, large)});
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("无法创建文件夹：%1").arg(QFileInfo(path).absolutePath());
    // A plain write: the folder is made afresh and can be made again, so syncing every one of
    // its files to disk would only slow the tests down.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        return QStringLiteral("无法写入文件：%1（%2）").arg(path, file.errorString());
    return {};
}

} // namespace

std::vector<SampleFile> makeSampleGame(Edition edition) {
    const SampleText text = makeSampleText(0, edition);
    std::vector<SampleFile> files{{QStringLiteral("weapon.cfg"), text.itemFile},
                                  {QStringLiteral("Text/Weapon.txt"), text.nameFile}};
    if (edition == Edition::Chinese)
        files.push_back({QStringLiteral("weapon-rules.lua"), sampleRules()});
    for (const SampleItem& item : sampleItems())
        if (item.listed)
            appendPictures(files, item);
    return files;
}

QString writeSampleGame(const QString& folder, Edition edition) {
    for (const SampleFile& file : makeSampleGame(edition)) {
        const QString error = writeFile(QDir(folder).filePath(file.path), file.bytes);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace wed::sample
