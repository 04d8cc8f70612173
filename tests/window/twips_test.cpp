#include "window/twips.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(CBitmapTwips, WholeTwipsPerPixel) {
    EXPECT_EQ(wholeTwipsPerPixel(96), 15);
    EXPECT_EQ(wholeTwipsPerPixel(192), 8); // 7.5: halves to even
    EXPECT_EQ(wholeTwipsPerPixel(0), 15);
    EXPECT_EQ(CBitmap::TwipsToPixels(23, -23), QSize(2, -2));
    EXPECT_EQ(CBitmap::PixelsToTwips(2000000000, 1).width(), 2147483647); // clamped
}

} // namespace
} // namespace wed
