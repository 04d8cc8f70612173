#include "picture/picture_name.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(PictureName, FromTheVidMenuValue) {
    const struct {
        const char* value;
        PictureSize size;
        bool heand;
        const char* name; // "" when there is none
    } cases[] = {
        {"12340005", PictureSize::Small, false, "1234_0005.tga"},
        {"12340005", PictureSize::Large, false, "1233_0005.tga"},
        {"01000012", PictureSize::Large, false, "99_0012.tga"},
        {"123400051111", PictureSize::Small, false, "1234_0005.tga"}, // beyond 8 unused
        {"12345", PictureSize::Small, false, "1234_0005.tga"},
        {"1234-5", PictureSize::Small, false, "1234_-0005.tga"},
        {"12342.5", PictureSize::Small, false, "1234_0003.tga"}, // halves away from zero
        {"1234ab12", PictureSize::Small, false, "1234_ab12.tga"},
        {"1234", PictureSize::Large, false, "1233_.tga"},
        {"12", PictureSize::Small, false, "12_.tga"},
        {"", PictureSize::Large, false, ""},
        {"ab120005", PictureSize::Large, false, ""},
        {"", PictureSize::Large, true, "1598.tga"},
        // A name must stay inside the picture folder.
        {"../../etc", PictureSize::Small, false, ""},
        {"12\\40005", PictureSize::Small, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFileName(QString::fromUtf8(c.value), c.size, c.heand).value_or(""),
                  QString::fromUtf8(c.name))
            << c.value << (c.size == PictureSize::Large ? " large" : " small");
    EXPECT_TRUE(bareHands(CategoryId::Weapon, u"heand"));
    EXPECT_FALSE(bareHands(CategoryId::Weapon, u"heand2"));
    EXPECT_FALSE(bareHands(CategoryId::Armor, u"heand"));
}

} // namespace
} // namespace wed
