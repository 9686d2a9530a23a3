// The headless backend's text: glyph pixels, scaling with the point size, the
// box for characters without a glyph, and widths that always grow. The
// scripted pictures are pinned by the image window's picture tests.
#include <gtest/gtest.h>

#include "ui/headless/headless_platform.h"
#include "ui/pixel_art.h"

namespace tintara::ui {
namespace {

using Art = std::vector<std::string>;
constexpr Rgb ink{0, 0, 128}, paper = white;
const std::map<char, Rgb> colours{{'#', ink}, {'.', paper}};

TEST(HeadlessText, DrawsTheGlyphsFromTheTopLeftCorner) {
    HeadlessText text;
    Surface s(16, 12, paper);
    text.drawText(s, 2.6, 1, "Ag", Font{"Arial", 8.25f}, ink);  // 11 pixels high: scale 1
    // The g sits on the x-height, row 2 of its cell, and descends to row 8.
    EXPECT_EQ(testkit::pixelArt(s, 0, 0, 16, 11, colours), (Art{"................",  //
                                                                "...###..........",  // A from column 2,
                                                                "..#...#.........",  // g from column 8
                                                                "..#...#..####...",  //
                                                                "..#####.#...#...",  //
                                                                "..#...#.#...#...",  //
                                                                "..#...#..####...",  //
                                                                "..#...#.....#...",  //
                                                                "........#...#...",  //
                                                                ".........###....",  //
                                                                "................"}));
    Surface big(14, 16, paper);
    text.drawText(big, 1, 0, "!", Font{"Arial", 12}, ink);  // 16 pixels: scale 2
    const Art bang = testkit::pixelArt(big, 0, 0, 14, 16, colours);
    for (int row : {0, 1, 8, 9}) EXPECT_EQ(bang[row], ".....##.......") << row;
    for (int row : {10, 11}) EXPECT_EQ(bang[row], "..............") << row;
    EXPECT_EQ(bang[12], ".....##.......");
    EXPECT_EQ(testkit::countOf(big, ink), 6 * 4);  // six glyph pixels, each 2 x 2
}

TEST(HeadlessText, CharactersWithoutAGlyphAreBoxes) {
    HeadlessText text;
    for (const std::string& word : {std::string("\xC3\xA9"), std::string("\xE9"), std::string("\t")}) {
        Surface s(7, 8, paper);
        text.drawText(s, 1, 0, word, Font{}, ink);
        EXPECT_EQ(testkit::pixelArt(s, 0, 0, 7, 8, colours),
                  (Art{".#####.", ".#...#.", ".#...#.", ".#...#.", ".#...#.", ".#...#.", ".#####.", "......."}));
        EXPECT_EQ(text.textWidth(word, Font{}), 90);  // one character of 6 pixels
    }
}

TEST(HeadlessText, WidthsFollowTheScaleOnBothSidesOfEachStep) {
    HeadlessText text;
    struct Case {
        float points;
        int width;  // of "5R  " in twips: 4 characters of 6 * scale pixels
    };
    const Case cases[] = {{8.25f, 360},  {9.75f, 360}, {11.2f, 360},                 // up to 14.9 pixels high: scale 1
                          {11.3f, 720},  {12, 720},    {15.75f, 720}, {18.7f, 720},  // 15.1 to 24.9: scale 2
                          {18.9f, 1080}, {0, 360},     {-3, 360}};
    for (const Case& k : cases) EXPECT_EQ(text.textWidth("5R  ", Font{"Arial", k.points}), k.width) << k.points;
    EXPECT_EQ(text.textHeight(Font{"Arial", 12}), 300);
    EXPECT_EQ(text.textWidth("", Font{}), 0);
}

}  // namespace
}  // namespace tintara::ui
