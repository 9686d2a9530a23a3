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

TEST(PointerBlock, AveragesTakeHalvesUpAndCountPixelsOutsideAsWhite) {
    const ui::Image single = oneOddPixel({10, 20, 30}, {201, 102, 3});
    // 80 ground pixels and one odd: red (800 + 50) / 81 = 10.49 -> 10, green
    // (1600 + 61) / 81 = 20.506 -> 21, blue (2400 + 111) / 81 = 31.0 -> 31.
    const ui::Image of81 = oneOddPixel({10, 20, 30}, {50, 61, 111});
    // 9: (800 + 109) / 9 = 101.0, (800 + 104) / 9 = 100.44, (800 + 105) / 9 = 100.56.
    const ui::Image of9 = oneOddPixel({100, 100, 100}, {109, 104, 105});
    // 25: (2400 + 112) / 25 = 100.48 -> 100, (2400 + 113) / 25 = 100.52 -> 101.
    const ui::Image of25 = oneOddPixel({100, 100, 100}, {109, 112, 113});
    const ui::Image black(20, 12, ui::black);
    const struct {
        const ui::Image& picture;
        int x, y, half;
        ui::Rgb average;
    } cases[] = {
        {single, 10, 8, 0, {201, 102, 3}},
        {single, 11, 8, 0, {10, 20, 30}},
        {of81, 10, 8, 4, {10, 21, 31}},
        {of81, 14, 12, 4, {10, 21, 31}},  // the block reaches four pixels each way
        {of81, 6, 4, 4, {10, 21, 31}},
        {of81, 15, 8, 4, {10, 20, 30}},  // and no further
        {of81, 10, 13, 4, {10, 20, 30}},
        {of9, 9, 9, 1, {101, 100, 101}},
        {of25, 8, 6, 2, {100, 100, 101}},
        {black, 0, 0, 1, {142, 142, 142}},    // 4 inside, 5 white: 1275 / 9 = 141.67
        {black, 19, 11, 4, {176, 176, 176}},  // 25 inside: 56 * 255 / 81 = 176.30
        {black, 15, 6, 4, ui::black},         // ends on the last column
        {black, 16, 6, 4, {28, 28, 28}},      // one column of nine outside: 28.33
        {black, -5, 6, 4, ui::white},         // wholly outside
        {black, 2000000000, -2000000000, 4, ui::white},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pointerBlockAverage(c.picture, c.x, c.y, c.half), c.average) << c.x << "," << c.y << " k " << c.half;
    EXPECT_EQ(pointerBlockAverage(ui::Image(), 0, 0, 0), ui::white);
}

TEST(PointerBlock, ClippedAveragesHaveAChannelAtEitherEnd) {
    for (ui::Rgb c : {ui::Rgb{1, 128, 254}, ui::Rgb{254, 1, 1}}) EXPECT_FALSE(clippedAverage(c));
    for (ui::Rgb c : {ui::Rgb{0, 128, 128}, ui::Rgb{128, 255, 128}, ui::Rgb{128, 128, 0}})
        EXPECT_TRUE(clippedAverage(c));
}

}  // namespace
}  // namespace tintara::imaging
