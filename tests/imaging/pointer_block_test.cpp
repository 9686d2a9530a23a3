// The pointer's block: (2k + 1)² pixels around the pixel under the pointer,
// white outside the picture, each channel the integer part of sum / count +
// 0.5. Expected averages are worked by hand from the pixels painted.
#include "imaging/pointer_block.h"

#include <gtest/gtest.h>

namespace tintara::imaging {
namespace {

// A 24 x 18 picture of one colour with one pixel of another at (10, 8).
ui::Image oneOddPixel(ui::Rgb ground, ui::Rgb odd) {
    ui::Image picture(24, 18, ground);
    picture.setPixel(10, 8, odd);
    return picture;
}

TEST(PointerBlock, OnePixelIsThatPixelExactly) {
    const ui::Image picture = oneOddPixel({10, 20, 30}, {201, 102, 3});
    EXPECT_EQ(pointerBlockAverage(picture, 10, 8, 0), (ui::Rgb{201, 102, 3}));
    EXPECT_EQ(pointerBlockAverage(picture, 11, 8, 0), (ui::Rgb{10, 20, 30}));
    EXPECT_EQ(pointerBlockAverage(picture, 10, 7, 0), (ui::Rgb{10, 20, 30}));
}

TEST(PointerBlock, EightyOnePixelsRoundHalvesUpEitherSideOfTheBreak) {
    // 80 pixels of the ground and one odd: red (80 * 10 + 50) / 81 = 10.49 -> 10,
    // green (80 * 20 + 61) / 81 = 20.506 -> 21, blue (80 * 30 + 111) / 81 = 31.0 -> 31.
    const ui::Image picture = oneOddPixel({10, 20, 30}, {50, 61, 111});
    EXPECT_EQ(pointerBlockAverage(picture, 10, 8, 4), (ui::Rgb{10, 21, 31}));
    // The block reaches four pixels each way: the odd pixel counts from
    // (14, 12) and (6, 4) but not from (15, 8) or (10, 13).
    EXPECT_EQ(pointerBlockAverage(picture, 14, 12, 4), (ui::Rgb{10, 21, 31}));
    EXPECT_EQ(pointerBlockAverage(picture, 6, 4, 4), (ui::Rgb{10, 21, 31}));
    EXPECT_EQ(pointerBlockAverage(picture, 15, 8, 4), (ui::Rgb{10, 20, 30}));
    EXPECT_EQ(pointerBlockAverage(picture, 10, 13, 4), (ui::Rgb{10, 20, 30}));
}

TEST(PointerBlock, NineAndTwentyFivePixels) {
    // 9: (8 * 100 + 109) / 9 = 101.0 exactly; (8 * 100 + 104) / 9 = 100.44 -> 100;
    // (8 * 100 + 105) / 9 = 100.56 -> 101.
    const ui::Image picture = oneOddPixel({100, 100, 100}, {109, 104, 105});
    EXPECT_EQ(pointerBlockAverage(picture, 9, 9, 1), (ui::Rgb{101, 100, 101}));
    // 25: (24 * 100 + 109) / 25 = 100.36 -> 100; 112 gives 100.48 -> 100, 113 100.52 -> 101.
    const ui::Image second = oneOddPixel({100, 100, 100}, {109, 112, 113});
    EXPECT_EQ(pointerBlockAverage(second, 8, 6, 2), (ui::Rgb{100, 100, 101}));
}

TEST(PointerBlock, PixelsOutsideThePictureCountAsWhite) {
    const ui::Image black(20, 12, ui::black);
    // At the corner a 3 x 3 block holds 4 picture pixels and 5 white ones:
    // 5 * 255 / 9 = 141.67 -> 142.
    EXPECT_EQ(pointerBlockAverage(black, 0, 0, 1), (ui::Rgb{142, 142, 142}));
    // A 9 x 9 block at the bottom-right corner holds 5 x 5 picture pixels:
    // 56 * 255 / 81 = 176.30 -> 176.
    EXPECT_EQ(pointerBlockAverage(black, 19, 11, 4), (ui::Rgb{176, 176, 176}));
    // Against the right edge: from x = 15 the block ends on the last column;
    // from 16 one column of nine is outside: 9 * 255 / 81 = 28.33 -> 28.
    EXPECT_EQ(pointerBlockAverage(black, 15, 6, 4), ui::black);
    EXPECT_EQ(pointerBlockAverage(black, 16, 6, 4), (ui::Rgb{28, 28, 28}));
    // Wholly outside, or far away: white.
    EXPECT_EQ(pointerBlockAverage(black, -5, 6, 4), ui::white);
    EXPECT_EQ(pointerBlockAverage(black, 2000000000, -2000000000, 4), ui::white);
    EXPECT_EQ(pointerBlockAverage(ui::Image(), 0, 0, 0), ui::white);
}

TEST(PointerBlock, ClippedAveragesHaveAChannelAtEitherEnd) {
    EXPECT_FALSE(clippedAverage({1, 128, 254}));
    EXPECT_FALSE(clippedAverage({254, 1, 1}));
    EXPECT_TRUE(clippedAverage({0, 128, 128}));
    EXPECT_TRUE(clippedAverage({128, 255, 128}));
    EXPECT_TRUE(clippedAverage({128, 128, 0}));
    EXPECT_TRUE(clippedAverage(ui::white));
}

}  // namespace
}  // namespace tintara::imaging
