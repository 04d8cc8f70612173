#include "fake_picture.h"
#include "support/temp_game.h"
#include "tga_builder.h"
#include "window/item_picture.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::FakePicture;

QByteArray picture(int w, int h, char value) {
    test::TgaParts p(2, 24, uint16_t(w), uint16_t(h));
    p.pixels = QByteArray(w * h * 3, value);
    return buildTga(p);
}

TEST(ItemPicture, DrawnOneToOneAndFoundWhateverTheCaseOfItsName) {
    test::TempGame game;
    game.writeFile("Images/weapon/1234_0005.tga", picture(32, 16, '\x10'));
    game.writeFile("Images/weapon/1233_0005.TGA", picture(8, 4, '\x20'));
    const QString folder = game.path("Images/weapon");
    FakePicture box(2);
    ShowItemPicture(folder, u"12340005", PictureSize::Small, false, box);
    EXPECT_EQ(box.insideSize(), QSize(32, 16));
    ASSERT_EQ(box.draws.size(), 1u);
    EXPECT_EQ(box.draws[0].target, QRect(0, 0, 32, 16));
    EXPECT_EQ(box.draws[0].image.pixel(0, 0), qRgb(0x10, 0x10, 0x10));

    ShowItemPicture(folder + "/", u"12340005", PictureSize::Large, false, box);
    EXPECT_EQ(box.insideSize(), QSize(8, 4));
}

TEST(ItemPicture, MissingBrokenOrUnnamedPicturesLeaveTheBoxClearedAtItsSize) {
    test::TempGame game;
    const QString folder = game.makeFolder("Images/weapon");
    game.writeFile("Images/weapon/5555_0001.tga", "broken");
    FakePicture box(2, QSize(50, 40));
    const auto show = [&](const QString& in, const QString& vidMenu, PictureSize size) {
        box.draws.push_back({});
        ShowItemPicture(in, vidMenu, size, false, box);
        EXPECT_TRUE(box.draws.empty()) << vidMenu.toStdString();
    };
    show(folder, "99990001", PictureSize::Small);
    show(folder, "55550001", PictureSize::Small);
    show(folder, "abcd0001", PictureSize::Large); // no large name
    show(game.path("no such folder"), "12340005", PictureSize::Small);
    show(QString(), "12340005", PictureSize::Small);
    EXPECT_EQ(box.clears, 5);
    EXPECT_EQ(box.outerSize(), QSize(50, 40));
}

} // namespace
} // namespace wed
