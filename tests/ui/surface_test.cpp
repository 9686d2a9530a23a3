// The drawing surface's pixel rules against pixels worked out by hand.
#include "ui/surface.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/picture.h"
#include "ui/pixel_art.h"

namespace tintara::ui {
namespace {

using Art = std::vector<std::string>;
using testkit::pixelArt;

constexpr Rgb ink{10, 20, 30}, fill{200, 100, 50}, paper{250, 250, 250};
const std::map<char, Rgb> colours{{'#', ink}, {'f', fill}, {'.', paper}};

Art art(const Surface& s) { return pixelArt(s, 0, 0, s.width(), s.height(), colours); }

TEST(SurfaceLines, LightBothEndsAndRoundHalvesAwayFromTheFirstEnd) {
    struct Case {
        double x0, y0, x1, y1;
        int pen;
        Art expected;
    };
    const Case cases[] = {
        {1, 1, 5, 1, 1, {"......", ".#####", "......", "......"}},  // horizontal
        {4, 3, 4, 0, 1, {"....#.", "....#.", "....#.", "....#."}},  // vertical, upwards
        {0, 0, 3, 3, 1, {"#.....", ".#....", "..#...", "...#.."}},  // diagonal
        // 4 across, 1 down: k/4 = 0, .25, .5, .75, 1 rounds to 0, 0, 1, 1, 1;
        // drawn the other way the half at k = 2 rounds towards the start instead.
        {0, 1, 4, 2, 1, {"......", "##....", "..###.", "......"}},
        {4, 2, 0, 1, 1, {"......", "###...", "...##.", "......"}},
        // 6 across, 2 down: k/3 = 0, .33, .67, 1, 1.33, 1.67, 2.
        {0.9, 0.2, 6.7, 2.99, 1, {"##....", "..###.", ".....#", "......"}},
        // Pen 3 puts a 3 x 3 square on each pixel; pen 2 a 2 x 2 square up and left.
        {2, 1, 3, 1, 3, {".####.", ".####.", ".####.", "......"}},
        {2, 1, 4, 3, 2, {".##...", ".###..", "..###.", "...##."}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.x0 << "," << k.y0 << " to " << k.x1 << "," << k.y1);
        Surface s(6, 4, paper);
        s.line(k.x0, k.y0, k.x1, k.y1, ink, k.pen);
        EXPECT_EQ(art(s), k.expected);
    }
}

TEST(SurfaceDots, AreExactlyTheirWidthAcrossAndRound) {
    Surface s(30, 30, paper);
    s.dot(2, 2, ink, 1);
    s.dot(6, 2, ink, 2);  // centred on the top-left corner of pixel (6, 2)
    s.dot(10.9, 2.5, ink, 3);
    s.dot(16, 2, ink, 4);
    s.dot(5, 10, ink, 0);                                                     // counts as 1
    EXPECT_EQ(pixelArt(s, 0, 0, 19, 5, colours), (Art{"...............##..",  // widths 1, 2, 3, 4
                                                      ".....##..###..####.",  //
                                                      "..#..##..###..####.",  //
                                                      ".........###...##..",  //
                                                      "..................."}));
    EXPECT_EQ(testkit::countOf(s, ink), 1 + 4 + 9 + 12 + 1);

    // Width 10: the rows of the inscribed circle are 4, 8, 8, 10, 10, 10, 10, 8, 8, 4 wide.
    Surface ten(12, 12, paper);
    ten.dot(6, 6, ink, 10);
    EXPECT_EQ(art(ten),
              (Art{"............", "....####....", "..########..", "..########..", ".##########.", ".##########.",
                   ".##########.", ".##########.", "..########..", "..########..", "....####....", "............"}));
}

TEST(SurfaceEllipses, OutlineAndFillOfACircleAndAnEllipse) {
    // Radius 3 about the centre of pixel (10, 10): a column at 1/3 of the radius
    // reaches 3 * sqrt(8/9) = 2.83 up, into row 7; at 2/3, 2.24, into row 8.
    Surface s(21, 21, paper);
    s.circle(10.5, 10.5, 3, {ink, 1, FillStyle::Solid, fill});
    EXPECT_EQ(pixelArt(s, 6, 6, 9, 9, colours), (Art{".........", "...###...", "..#fff#..", ".#fffff#.", ".#fffff#.",
                                                     ".#fffff#.", "..#fff#..", "...###...", "........."}));
    // Radii 4 and 2 about the centre of pixel (10, 6).
    Surface e(21, 13, paper);
    e.ellipse(10.5, 6.5, 4, 2, {ink, 1, FillStyle::Solid, fill});
    EXPECT_EQ(pixelArt(e, 5, 3, 11, 7, colours), (Art{"...........", "...#####...", "..#fffff#..", ".#fffffff#.",
                                                      "..#fffff#..", "...#####...", "..........."}));
    // Filled without an outline: the centres inside, rows 1, 7, 9, 7, 1 wide.
    Surface bare(21, 13, paper);
    bare.ellipse(10.5, 6.5, 4, 2, {std::nullopt, 1, FillStyle::Solid, fill});
    EXPECT_EQ(pixelArt(bare, 5, 3, 11, 7, colours), (Art{"...........", ".....f.....", "..fffffff..", ".fffffffff.",
                                                         "..fffffff..", ".....f.....", "..........."}));
}

TEST(SurfaceEllipses, FlatAndEmptyEllipsesStillShow) {
    Surface s(16, 4, paper);
    // A ring seen edge on (the palette viewer at tilt 90) is a line...
    s.ellipse(8.5, 1.2, 3, 1e-9, {ink});
    // ...and a circle of radius 0 is the pixel holding its centre, or a dot of the pen.
    s.circle(2.7, 3.1, 0, {ink});
    s.circle(13, 3, 0, {ink, 2});
    EXPECT_EQ(art(s), (Art{"................", ".....#######....", "............##..", "..#.........##.."}));
}

TEST(SurfaceEllipses, DiagonalCrossHatchInTheFillColourKeepsTheGaps) {
    Surface s(32, 32, paper);
    s.circle(16, 16, 14, {std::nullopt, 1, FillStyle::DiagonalCross, fill});
    // Row 16 holds columns 2..29; the hatch lights i + 16 or i - 16 a multiple of
    // 8: columns 8, 16, 24. Row 17 holds 2..29 too: i + 17 gives 7, 15, 23 and
    // i - 17 gives 9, 17, 25. Column 0 of row 16 is on the hatch but outside.
    EXPECT_EQ(pixelArt(s, 0, 16, 32, 2, colours),
              (Art{"........f.......f.......f.......", ".......f.f.....f.f.....f.f......"}));
    EXPECT_EQ(testkit::countOf(s, ink), 0);
}

TEST(SurfaceClipping, FiguresAcrossEveryEdgeLightWhatALargerSurfaceWould) {
    // Each figure is drawn on a 6 x 5 surface and on a 22 x 21 one shifted by
    // 8, 8; the small one must hold exactly the middle of the large one.
    struct Figure {
        const char* name;
        void (*draw)(Surface&, double shift);
    };
    const Figure figures[] = {
        {"dot over the top left", [](Surface& s, double d) { s.dot(d + 0, d + 1, ink, 6); }},
        {"dot over the bottom right", [](Surface& s, double d) { s.dot(d + 5, d + 4, ink, 5); }},
        {"line across all", [](Surface& s, double d) { s.line(d - 7, d - 3, d + 11, d + 6, ink, 3); }},
        {"steep line", [](Surface& s, double d) { s.line(d + 2, d + 9, d + 4, d - 6, ink, 1); }},
        // Every pixel of this line lies left of the small surface; its pen reaches in.
        {"thick line beside the left edge", [](Surface& s, double d) { s.line(d - 10, d + 2, d - 2, d + 2, ink, 6); }},
        {"circle over the left",
         [](Surface& s, double d) {
             s.circle(d - 0.5, d + 2.5, 2, {ink, 1, FillStyle::Solid, fill});
         }},
        // The hatch counts from the surface's corner, so this shift is a multiple of 8.
        {"hatched ellipse over the right and bottom",
         [](Surface& s, double d) {
             s.ellipse(d + 6.2, d + 4.9, 3, 2, {ink, 2, FillStyle::DiagonalCross, fill});
         }},
    };
    for (const Figure& f : figures) {
        SCOPED_TRACE(f.name);
        Surface small(6, 5, paper), large(22, 21, paper);
        f.draw(small, 0);
        f.draw(large, 8);
        EXPECT_EQ(art(small), pixelArt(large, 8, 8, 6, 5, colours));
    }
    // The circle about (-0.5, 2.5), radius 2, worked by hand: the column at
    // x = 0.5 reaches rows 0 and 4, the column at the right end pixel (1, 2); the
    // rows 1 to 3 end in column 1.
    Surface s(5, 5, paper);
    s.circle(-0.5, 2.5, 2, {ink});
    EXPECT_EQ(art(s), (Art{"#....", ".#...", ".#...", ".#...", "#...."}));
    // Ends a billion pixels away, and ends that are not numbers.
    Surface far(5, 3, paper);
    far.circle(2, 2, 1e15, {ink, 1, FillStyle::Solid, fill});
    far.line(-1e12, 1.5, 1e12, 1.5, ink, 1);
    far.line(0, 0, std::nan(""), 2, ink, 1);
    far.dot(1e300, -1e300, ink, 22);
    EXPECT_EQ(art(far), (Art{"fffff", "#####", "fffff"}));
}

TEST(SurfacePixels, InvertTwiceRestoresAndImagesAreCopiedClipped) {
    Surface s(4, 3, paper);
    s.setPixel(1, 1, Rgb{10, 200, 30});
    s.invertPixel(1, 1);
    Rgb c;
    ASSERT_TRUE(s.pixel(1, 1, c));
    EXPECT_EQ(c, (Rgb{245, 55, 225}));
    s.invertPixel(1, 1);
    s.invertPixel(9, 9);  // outside: nothing
    ASSERT_TRUE(s.pixel(1, 1, c));
    EXPECT_EQ(c, (Rgb{10, 200, 30}));

    Image picture(3, 2, fill);
    picture.setPixel(0, 0, ink);
    s.drawImage(picture, -1, 2);  // only its right two columns of the top row land
    EXPECT_EQ(art(s), (Art{"....", ".?..", "ff.."}));
    s.resize(5, 2);  // keeps what both sizes hold
    EXPECT_EQ(art(s), (Art{".....", ".?..."}));
}

TEST(UserCoordinatesTest, MapUnitsToPixelsWithYGrowingUpwards) {
    // Where the palette viewer's units put its dots and clicks is pinned by its
    // display and picking tests.
    EXPECT_FALSE(UserCoordinates(0, 0, 0, 1, 10, 10).valid());
    EXPECT_FALSE(UserCoordinates(0, 0, 1, std::nan(""), 10, 10).valid());
    // A picture box in those units: a dot drawn half a unit up and right of the
    // origin read back there. A press in its units is the Qt binding tests'.
    PictureBox box("Picture1", {0, 0, 150, 150}, paper);
    ASSERT_TRUE(box.setUserScale(-1, 1, 2, -2));
    EXPECT_FALSE(box.setUserScale(0, 0, 0, 0));  // refused; the scale stays
    const UserCoordinates u = box.scale();
    box.surface().dot(u.toPixelX(0.5), u.toPixelY(0.5), ink, 1);
    EXPECT_EQ(pixelArt(box.surface(), 7, 2, 1, 1, colours)[0], "#");  // (0.5 + 1) * 5, (1 - 0.5) * 5
    Rgb c;
    ASSERT_TRUE(box.colorAt(0.55f, 0.45f, c));
    EXPECT_EQ(c, ink);
    // The units stretch with the box; pixels and twips follow its size.
    box.setRect({0, 0, 300, 150});
    EXPECT_DOUBLE_EQ(box.scale().toPixelX(0.5), 15);
    box.setScaleMode(ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(box.scale().toPixelX(7), 7);
    box.setScaleMode(ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(box.scale().toUserX(20), 300);
}

}  // namespace
}  // namespace tintara::ui
