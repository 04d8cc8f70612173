#include "image/picture_name.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

QString nameOf(const QString& v, PictureSize size, bool heand = false) {
    return pictureFileName(v, size, heand).value_or(QStringLiteral("<none>"));
}

TEST(PictureName, SmallAndLarge) {
    EXPECT_EQ(nameOf("12340005", PictureSize::Small), "1234_0005.tga");
    EXPECT_EQ(nameOf("12340005", PictureSize::Large), "1233_0005.tga");
    EXPECT_EQ(nameOf("01000012", PictureSize::Small), "0100_0012.tga");
    EXPECT_EQ(nameOf("01000012", PictureSize::Large), "99_0012.tga");
    EXPECT_EQ(nameOf("0000001", PictureSize::Large), "-1_0001.tga");
    EXPECT_EQ(nameOf("123400051111", PictureSize::Small), "1234_0005.tga"); // beyond 8 unused
}

TEST(PictureName, SecondPartIsWrittenWithFourDigitsWhenItIsANumber) {
    EXPECT_EQ(nameOf("12345", PictureSize::Small), "1234_0005.tga");
    EXPECT_EQ(nameOf("123412", PictureSize::Small), "1234_0012.tga");
    EXPECT_EQ(nameOf("1234 7", PictureSize::Small), "1234_0007.tga");
    EXPECT_EQ(nameOf("1234-5", PictureSize::Small), "1234_-0005.tga");
    EXPECT_EQ(nameOf("12342.5", PictureSize::Small), "1234_0003.tga"); // halves away from zero
    EXPECT_EQ(nameOf("1234ab12", PictureSize::Small), "1234_ab12.tga");
}

TEST(PictureName, ShortValues) {
    EXPECT_EQ(nameOf("1234", PictureSize::Small), "1234_.tga");
    EXPECT_EQ(nameOf("1234", PictureSize::Large), "1233_.tga");
    EXPECT_EQ(nameOf("12", PictureSize::Small), "12_.tga");
    EXPECT_EQ(nameOf("12", PictureSize::Large), "11_.tga");
    EXPECT_FALSE(pictureFileName(u"", PictureSize::Large, false).has_value());
    EXPECT_FALSE(pictureFileName(u"ab120005", PictureSize::Large, false).has_value());
}

TEST(PictureName, HeandAndUnsafeNames) {
    EXPECT_EQ(nameOf("12340005", PictureSize::Small, true), "1598.tga");
    EXPECT_EQ(nameOf("", PictureSize::Large, true), "1598.tga");
    EXPECT_TRUE(heandRecordHeader(u"Weapon=heand"));
    EXPECT_FALSE(heandRecordHeader(u"Weapon=heand2"));
    EXPECT_FALSE(heandRecordHeader(u"Armor=heand"));
    // A name must stay inside the picture folder.
    EXPECT_FALSE(pictureFileName(u"../../etc", PictureSize::Small, false).has_value());
    EXPECT_FALSE(pictureFileName(u"12\\40005", PictureSize::Small, false).has_value());
}

} // namespace
} // namespace wed
