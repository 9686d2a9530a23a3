// The palette's blocks: the grid cut from the picture, its order and tags,
// the block averages, the granularity answer and the proposed palette name.
// Expected values are worked by hand.
#include "imaging/palette_grid.h"

#include <gtest/gtest.h>

#include "imaging/granularity.h"
#include "imaging/palette_name.h"

namespace tintara::imaging {
namespace {

TEST(PaletteGrid, APartialLastColumnOrRowIsDropped) {
    const struct {
        int width, height, n;
        int W, H, columns, rows;
        long long blocks;
    } cases[] = {
        {640, 480, 10, 640, 480, 64, 48, 3072},
        {1010, 20, 10, 1010, 20, 101, 2, 202},
        {1005, 20, 10, 1000, 20, 100, 2, 200},
        {1009, 29, 10, 1000, 20, 100, 2, 200},
        {3, 2, 1, 3, 2, 3, 2, 6},
        {9, 9, 10, 0, 0, 0, 0, 0},    // a block larger than the picture
        {10, 9, 10, 10, 0, 1, 0, 0},  // as wide as the picture, not as tall
        {1000, 1000, 10, 1000, 1000, 100, 100, 10000},
        {1010, 1000, 10, 1010, 1000, 101, 100, 10100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.n);
        const PaletteGrid grid = paletteGrid(c.width, c.height, c.n);
        EXPECT_EQ(grid.width, c.W);
        EXPECT_EQ(grid.height, c.H);
        EXPECT_EQ(grid.columns(), c.columns);
        EXPECT_EQ(grid.rows(), c.rows);
        EXPECT_EQ(grid.blocks(), c.blocks);
    }
    EXPECT_EQ(paletteGrid(0, 480, 10).blocks(), 0);
}

TEST(PaletteGrid, BlocksGoColumnByColumnFromTheTopAndAreTaggedWithTheirCorner) {
    const PaletteGrid grid = paletteGrid(640, 480, 10);
    const struct {
        long long index;
        int x0, y0;
        const char* tag;
    } cases[] = {
        {0, 0, 0, " 0 0"},      {1, 0, 10, " 0 10"},          {47, 0, 470, " 0 470"},   {48, 10, 0, " 10 0"},
        {49, 10, 10, " 10 10"}, {3023, 620, 470, " 620 470"}, {3024, 630, 0, " 630 0"}, {3071, 630, 470, " 630 470"},
    };
    for (const auto& c : cases) {
        const BlockOrigin block = blockAt(grid, c.index);
        EXPECT_EQ(block.x0, c.x0) << c.index;
        EXPECT_EQ(block.y0, c.y0) << c.index;
        EXPECT_EQ(blockTag(block.x0, block.y0), c.tag);
    }
    EXPECT_EQ(blockTag(123456, 7), " 123456 7");
}

// Two blocks of 2 x 2 side by side, each channel summed to land on each side
// of a half and on halves of both parities.
TEST(PaletteGrid, BlockAveragesGoToTheNearestWithHalvesToEven) {
    ui::Image picture(5, 3, ui::Rgb{250, 250, 250});  // the border around must not count
    auto paint = [&](int x0, ui::Rgb a, ui::Rgb b, ui::Rgb c, ui::Rgb d) {
        picture.setPixel(x0, 1, a);
        picture.setPixel(x0 + 1, 1, b);
        picture.setPixel(x0, 2, c);
        picture.setPixel(x0 + 1, 2, d);
    };
    // Red 10 + 10 + 10 + 12 = 42: 10.5 -> 10; green 46: 11.5 -> 12; blue 45: 11.25 -> 11.
    paint(0, {10, 11, 11}, {10, 11, 11}, {10, 12, 11}, {12, 12, 12});
    // Red 43: 10.75 -> 11; green 6: 1.5 -> 2; blue 1018: 254.5 -> 254.
    paint(2, {11, 1, 255}, {11, 1, 255}, {11, 2, 254}, {10, 2, 254});
    EXPECT_EQ(gridBlockAverage(picture, 0, 1, 2), (ui::Rgb{10, 12, 11}));
    EXPECT_EQ(gridBlockAverage(picture, 2, 1, 2), (ui::Rgb{11, 2, 254}));
    EXPECT_EQ(gridBlockAverage(picture, 4, 0, 1), (ui::Rgb{250, 250, 250}));
    EXPECT_EQ(gridBlockAverage(picture, 3, 2, 1), (ui::Rgb{10, 2, 254}));
}

TEST(Granularity, WholeNumbersOfOneOrMoreAreTaken) {
    const struct {
        const char* answer;
        int n;
    } taken[] = {{"10", 10}, {"1", 1}, {" 7 ", 7}, {"2147483647", 2147483647}, {"30.0", 30}};
    for (const auto& t : taken) {
        std::string problem;
        EXPECT_EQ(granularityOf(t.answer, problem), t.n) << t.answer;
        EXPECT_EQ(problem, "");
    }
    const struct {
        const char* answer;
        const char* problem;
    } refused[] = {
        {"", "The granularity n must be a whole number of 1 or more."},
        {"  ", "The granularity n must be a whole number of 1 or more."},
        {"0", "The granularity n must be a whole number of 1 or more; 0 is not."},
        {"0.9", "The granularity n must be a whole number of 1 or more; 0.9 is not."},
        {"-3", "The granularity n must be a whole number of 1 or more; -3 is not."},
        {"2.5", "The granularity n must be a whole number of 1 or more; 2.5 is not."},
        {"ten", "The granularity n must be a whole number of 1 or more; ten is not."},
        {"10px", "The granularity n must be a whole number of 1 or more; 10px is not."},
        {"2147483648", "The granularity n must be a whole number of 1 or more; 2147483648 is larger than any picture."},
    };
    for (const auto& r : refused) {
        std::string problem;
        EXPECT_EQ(granularityOf(r.answer, problem), std::nullopt) << r.answer;
        EXPECT_EQ(problem, r.problem);
    }
}

TEST(PaletteName, TheFileNameWithoutFolderAndEnding) {
    const struct {
        const char* picture;
        const char* name;
    } cases[] = {
        {"/home/ann/pics/flower.jpg", "flower"},
        {"C:\\pics\\flower.jpg", "flower"},
        {"pics\\sub/Flower.JPG", "Flower"},
        {"TestImage.jpg", "TestImage"},
        {"photo.jpeg", "photo"},
        {"my.holiday.png", "my.holiday"},
        {"noending", "noending"},
        {".hidden", ".hidden"},
        {"/folder.d/picture", "picture"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(proposedPaletteName(c.picture), c.name) << c.picture;
}

}  // namespace
}  // namespace tintara::imaging
