// The reader on files: a picture becomes the current bitmap; missing, unreadable and broken
// files are no pictures.
#include "image/bitmap.h"
#include "support/temp_game.h"
#include "tga_builder.h"
#include "window/tga_reader.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(LoadTGAFiles, ReadsAFileButMissingUnreadableAndBrokenFilesAreNotPictures) {
    test::TempGame dir;
    LoadTGA reader;
    test::TgaParts p(2, 24, 2, 1, 0x20);
    p.pixels = "\x01\x02\x03\x04\x05\x06";
    reader.Load(dir.writeFile("pic.tga", buildTga(p) + QByteArray(100, 'x')));
    EXPECT_EQ(reader.IsTGA(), -1);
    EXPECT_EQ(CBitmap::CurrentBitmap().pixel(1, 0), qRgb(6, 5, 4));

    CBitmap::SetCurrentBitmap(QImage(5, 5, QImage::Format_RGB32));
    for (const QString& path : {dir.writeFile("text.tga", "not a picture at all, just words"),
                                dir.folder(), dir.path("none.tga")}) {
        reader.Load(path);
        EXPECT_EQ(reader.IsTGA(), 0) << path.toStdString();
    }
    EXPECT_EQ(CBitmap::CurrentBitmap().size(), QSize(5, 5)); // left as it was
}

} // namespace
} // namespace wed
