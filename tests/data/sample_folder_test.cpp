// The committed sample game folder: that it is exactly what the generator makes, and that it
// has the shape of a real game folder the editor can open.
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/record_view.h"
#include "picture/picture_name.h"
#include "picture/tga_decoder.h"
#include "sample_game.h"
#include "support/temp_game.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace wed {
namespace {

using test::filesUnder;
using test::readBytes;

const QString kSample = QStringLiteral(WED_SAMPLE_DIR);

void expectWhatTheGeneratorWrites(const QString& folder, sample::Edition edition) {
    QTemporaryDir out;
    ASSERT_EQ(sample::writeSampleGame(out.path(), edition), QString());
    const auto written = filesUnder(out.path());
    const auto committed = filesUnder(folder);
    ASSERT_GT(committed.size(), 100u) << "sample folder missing at " << folder.toStdString();
    for (const auto& [path, bytes] : written)
        EXPECT_TRUE(committed.count(path) && committed.at(path) == bytes)
            << "not committed as the generator writes it: " << path.toStdString();
    EXPECT_EQ(committed.size(), written.size()) << "files the generator does not make";
}

TEST(SampleFolder, IsExactlyWhatTheGeneratorWrites) {
    expectWhatTheGeneratorWrites(kSample, sample::Edition::Chinese);
    expectWhatTheGeneratorWrites(QStringLiteral(WED_CYRILLIC_SAMPLE_DIR),
                                 sample::Edition::Cyrillic);
}

// Every listed item shows a value with a line number in every field, a name, and a small and a
// large picture the editor decodes; together the pictures use every layout the reader knows.
TEST(SampleFolder, EveryListedItemShowsEveryFieldItsNameAndItsPictures) {
    const LineBuffer items(readBytes(kSample + QStringLiteral("/weapon.cfg")));
    const LineBuffer names(
        readBytes(resolvePathIgnoringCase(kSample, QStringLiteral("Text/Weapon.txt"))));
    ItemIndex itemIndex;
    itemIndex.rebuild(items);
    NameIndex nameIndex;
    nameIndex.rebuild(names);
    const QString folder = resolvePathIgnoringCase(kSample, QStringLiteral("Images/weapon"));
    std::set<QString> used;
    std::set<std::tuple<int, int, bool>> layouts; // image type, depth, top-down
    for (const Category& c : categories()) {
        const auto& fields = categoryFields(c.id).fields;
        for (const QString& id : idsOf(listItems(items, itemIndex, c).entries)) {
            const std::string where = id.toStdString();
            const ItemRecord record = readItemRecord(items, c.id, id);
            QString vidMenu;
            for (size_t i = 0; i < fields.size(); ++i) {
                EXPECT_GT(record.fields[i].lineNumber, 0)
                    << where << " " << fields[i].key.constData();
                if (fields[i].key == "VidMENU=")
                    vidMenu = record.fields[i].value;
            }
            EXPECT_FALSE(readItemText(names, nameIndex, c.id, id).name.value_or("").isEmpty())
                << where;
            const bool heand = bareHands(c.id, id);
            for (const PictureSize size : {PictureSize::Small, PictureSize::Large}) {
                const QString name = pictureFileName(vidMenu, size, heand).value_or("");
                const QByteArray bytes = readBytes(resolvePathIgnoringCase(folder, name));
                const TgaPixels tga = decodeTga(bytes);
                ASSERT_TRUE(tga.decoded() && !tga.truncated) << where;
                used.insert(name.toLower());
                layouts.insert(
                    {tga.header->ImageType, tga.header->PixelDepth, tga.header->topDown()});
            }
        }
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), qsizetype(used.size()));
    // Colour-mapped, grey and true-colour at each depth, plain and run-length, either way up.
    EXPECT_EQ(layouts.size(), 20u);
}

} // namespace
} // namespace wed
