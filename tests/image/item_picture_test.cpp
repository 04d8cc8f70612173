#include "fake_picture.h"
#include "image/bitmap.h"
#include "image/item_picture.h"
#include "support/temp_game.h"
#include "tga_builder.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::FakePicture;

// A picture folder holding a few pictures, some named in another letter case.
class ItemPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.writeFile("Images/weapon/1234_0005.tga", picture(32, 16, '\x10'));
        game.writeFile("Images/weapon/1233_0005.TGA", picture(8, 4, '\x20'));
        game.writeFile("Images/weapon/1598.tga", picture(3, 3, '\x30'));
        game.writeFile("Images/weapon/5555_0001.tga", "broken");
    }

    static QByteArray picture(int w, int h, char value) {
        test::TgaParts p;
        p.width = uint16_t(w);
        p.height = uint16_t(h);
        p.pixels = QByteArray(w * h * 3, value);
        return buildTga(p);
    }

    test::TempGame game;
    const QString folder = game.path("Images/weapon");
};

TEST_F(ItemPictureTest, SmallPictureDrawnOneToOne) {
    FakePicture box(2);
    ShowItemPicture(folder, u"12340005", PictureSize::Small, false, box);
    EXPECT_EQ(box.insideSize(), QSize(32, 16));
    ASSERT_EQ(box.draws.size(), 1u);
    EXPECT_EQ(box.draws[0].target, QRect(0, 0, 32, 16));
    EXPECT_EQ(box.draws[0].image.pixel(0, 0), qRgb(0x10, 0x10, 0x10));
}

TEST_F(ItemPictureTest, LargePictureFoundWhateverItsCaseAndFolderEndingInSeparator) {
    FakePicture box(2);
    ShowItemPicture(folder + "/", u"12340005", PictureSize::Large, false, box);
    EXPECT_EQ(box.insideSize(), QSize(8, 4));
    EXPECT_EQ(picturePath(folder + "/", "x.tga"), folder + "/x.tga");
}

TEST_F(ItemPictureTest, MissingBrokenOrUnnamedPicturesLeaveTheBoxClearedAtItsSize) {
    for (const QString& v : {QStringLiteral("99990001"), QStringLiteral("55550001")}) {
        FakePicture box(2, QSize(50, 40));
        box.draws.push_back({});
        ShowItemPicture(folder, v, PictureSize::Small, false, box);
        EXPECT_EQ(box.clears, 1);
        EXPECT_TRUE(box.draws.empty());
        EXPECT_EQ(box.outerSize(), QSize(50, 40));
    }
    FakePicture box(2, QSize(50, 40));
    ShowItemPicture(folder, u"abcd0001", PictureSize::Large, false, box); // no large name
    EXPECT_EQ(box.clears, 1);
    ShowItemPicture(game.path("no such folder"), u"12340005", PictureSize::Small, false, box);
    ShowItemPicture(QString(), u"12340005", PictureSize::Small, false, box);
    EXPECT_EQ(box.clears, 3);
    EXPECT_EQ(box.outerSize(), QSize(50, 40));
}

} // namespace
} // namespace wed
