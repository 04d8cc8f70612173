// The committed sample game folder: that it is exactly what the generator makes, and that it
// has the shape of a real game folder the editor can open.
#include "base/category.h"
#include "base/code_page.h"
#include "base/line_buffer.h"
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/item_list.h"
#include "data/record_view.h"
#include "image/item_picture.h"
#include "image/picture_name.h"
#include "image/tga_decoder.h"
#include "sample_game.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace wed {
namespace {

const QString kSample = QStringLiteral(WED_SAMPLE_DIR);

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under the folder, by its path relative to the folder.
std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readBytes(path);
    }
    return files;
}

class SampleFolder : public testing::Test {
  protected:
    const QByteArray itemBytes_ = readBytes(kSample + QStringLiteral("/weapon.cfg"));
    const QByteArray nameBytes_ =
        readBytes(resolvePathIgnoringCase(kSample, QStringLiteral("Text/Weapon.txt")));
    QStringList listed(CategoryId id) const {
        const LineBuffer items(itemBytes_);
        ItemIndex index;
        index.rebuild(items);
        return idsOf(listItems(items, index, category(id)).entries);
    }
};

TEST_F(SampleFolder, IsExactlyWhatTheGeneratorWrites) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(sample::writeSampleGame(out.path()), QString());
    const auto written = filesUnder(out.path());
    auto committed = filesUnder(kSample);
    ASSERT_GT(committed.size(), 100u) << "sample folder missing at " << kSample.toStdString();
    for (const auto& [path, bytes] : written) {
        EXPECT_TRUE(committed.count(path)) << "not committed: " << path.toStdString();
        EXPECT_TRUE(committed[path] == bytes)
            << "differs from the generator: " << path.toStdString();
    }
    for (const auto& [path, bytes] : committed)
        EXPECT_TRUE(written.count(path)) << "not made by the generator: " << path.toStdString();
    const auto again = sample::makeSampleGame(); // the same bytes every run
    ASSERT_EQ(again.size(), written.size());
    for (const auto& file : again)
        EXPECT_TRUE(written.at(file.path) == file.bytes) << file.path.toStdString();
}

// Walks the pixel stream of an uncompressed or run-length TGA and says whether it holds
// exactly width x height pixels and ends where the file ends.
bool pixelStreamFillsTheFile(const QByteArray& file, const TgaHeader& h) {
    qsizetype at = h.pixelDataOffset();
    const qsizetype pixels = qsizetype(h.Width) * h.Height, bpp = h.pixelBytes();
    if (!h.runLength())
        return at + pixels * bpp == file.size();
    for (qsizetype done = 0; done < pixels;) {
        if (at >= file.size())
            return false;
        const auto packet = quint8(file[at++]);
        const qsizetype count = (packet & 0x7F) + 1;
        at += packet & 0x80 ? bpp : count * bpp;
        done += count;
        if (done > pixels)
            return false;
    }
    return at == file.size();
}

// Every listed item shows a value with a line number in every field, a name, and a small and a
// large picture the editor decodes; together the pictures use every layout the reader knows.
TEST_F(SampleFolder, EveryListedItemShowsEveryFieldItsNameAndItsPictures) {
    const LineBuffer items(itemBytes_), names(nameBytes_);
    NameIndex nameIndex;
    nameIndex.rebuild(names);
    const QString folder = resolvePathIgnoringCase(kSample, QStringLiteral("Images/weapon"));
    std::set<QString> used;
    std::set<std::tuple<int, int, bool>> layouts; // image type, depth, top-down
    for (const Category& c : categories()) {
        const auto& fields = categoryFields(c.id).fields;
        for (const QString& id : listed(c.id)) {
            const std::string where = id.toStdString();
            const ItemRecord record = readItemRecord(items, c.id, id);
            QString vidMenu;
            for (size_t i = 0; i < fields.size(); ++i) {
                EXPECT_GT(record.fields[i].lineNumber, 0) << where << " " << fields[i].control;
                if (fields[i].key == "VidMENU=")
                    vidMenu = record.fields[i].value;
            }
            EXPECT_FALSE(readItemText(names, nameIndex, c.id, id).name.value_or("").isEmpty())
                << where;
            const bool heand = c.id == CategoryId::Weapon && id == QLatin1String("heand");
            for (const PictureSize size : {PictureSize::Small, PictureSize::Large}) {
                const QString name = pictureFileName(vidMenu, size, heand).value_or("");
                const QByteArray bytes = readBytes(picturePath(folder, name));
                const TgaImage tga = decodeTga(bytes);
                ASSERT_TRUE(tga.header && !tga.image.isNull()) << where;
                EXPECT_TRUE(pixelStreamFillsTheFile(bytes, *tga.header)) << where;
                const QImage& image = tga.image; // a drawing, not a blank
                EXPECT_NE(image.pixel(0, 0), image.pixel(image.width() / 2, image.height() / 2));
                used.insert(name.toLower());
                layouts.insert(
                    {tga.header->ImageType, tga.header->PixelDepth, tga.header->topDown()});
            }
        }
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), qsizetype(used.size()));
    const std::pair<int, int> kinds[] = {{1, 8},   {9, 8},  {3, 8},   {11, 8}, {2, 16},
                                         {10, 16}, {2, 24}, {10, 24}, {2, 32}, {10, 32}};
    for (const auto& [type, depth] : kinds)
        for (const bool topDown : {false, true})
            EXPECT_TRUE(layouts.count({type, depth, topDown}))
                << type << "/" << depth << (topDown ? " top-down" : " bottom-up");
}

} // namespace
} // namespace wed
