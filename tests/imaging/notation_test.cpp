// The notation of the block under the pointer, driven as a person does it:
// clicks and pointer moves over the picture area, the menus, and the time
// the marked block stays inverted.
#include <gtest/gtest.h>

#include "imaging/image_window_fixture.h"

namespace tintara::testkit {
namespace {

TEST_F(ImageWindowTest, AClickOrInContinuousModeAMoveConvertsTheBlockAndMarksItForItsTime) {
    imaging::Form2& f = open();
    timers();
    click(10, 10);  // the 9 x 9 block 6..14 lies inside the brick square 4..15
    EXPECT_EQ(joined(w().Text1), "160,70,60");
    const std::string notation =
        "Hue = " + w().Text12[0].text() + "   Value = " + w().Text12[1].text() + "   Chroma = " + w().Text12[2].text();
    EXPECT_EQ(f.Text5.text(), notation);
    EXPECT_EQ(f.Text6.text(), "Position  X = 10  Y = 10");
    EXPECT_EQ(f.Text7.backColor(), testBrick);
    // Marked by inversion, corner to corner, and nothing beyond it.
    for (const auto& [x, y, colour] :
         {std::tuple{6, 6, ui::Rgb{95, 185, 195}}, std::tuple{14, 14, ui::Rgb{95, 185, 195}},
          std::tuple{15, 10, testBrick}, std::tuple{10, 5, testBrick}})
        EXPECT_EQ(shown(x, y), colour) << x << "," << y;

    // While the block is marked, a second click samples nothing.
    click(30, 10);
    EXPECT_EQ(f.Text6.text(), "Position  X = 10  Y = 10");
    timers().advance(imaging::blockMarkMs - 1);
    EXPECT_TRUE(f.samplingBusy());
    timers().advance(1);
    EXPECT_EQ(f.Picture1.surface().image(), testImage());

    click(30, 10);
    EXPECT_EQ(joined(w().Text1), "60,90,170");
    EXPECT_EQ(f.Text7.backColor(), testBlue);
    waitForTheMark();

    // In continuous mode the pointer's moves are followed, and dropped while a
    // block is marked.
    move(10, 10);  // click mode: moving does nothing
    f.mnuContinuous.click();
    click(10, 10);  // and now clicking does nothing
    EXPECT_EQ(f.Text6.text(), "Position  X = 30  Y = 10");
    move(10, 10);
    move(30, 10);  // dropped: the first block is still marked
    EXPECT_EQ(f.Text6.text(), "Position  X = 10  Y = 10");
    EXPECT_EQ(f.Text7.backColor(), testBrick);
    waitForTheMark();
    move(30, 10);
    EXPECT_EQ(f.Text6.text(), "Position  X = 30  Y = 10");
    EXPECT_EQ(f.Text7.backColor(), testBlue);
    waitForTheMark();
    EXPECT_EQ(f.Picture1.surface().image(), testImage());
}

// The sample sizes at the brick square's corner (4, 4) on the grey ground:
// 1 pixel is brick; 9 hold 4 brick and 5 grey, red (4 * 160 + 5 * 120) / 9 =
// 137.8 -> 138, green (280 + 600) / 9 = 97.8 -> 98, blue (240 + 600) / 9 =
// 93.3 -> 93; 81 hold 25 brick: red (4000 + 6720) / 81 = 132.3 -> 132, green
// (1750 + 6720) / 81 = 104.6 -> 105, blue (1500 + 6720) / 81 = 101.5 -> 101.
// At the picture's corner 9 pixels hold 4 grey and 5 white: (480 + 1275) / 9
// = 195.0; an average with a channel at 0 or 255 is not converted, and the
// line says so.
TEST_F(ImageWindowTest, SampleSizesTheEdgeAndBlocksThatAreNotConverted) {
    imaging::Form2& f = open();
    timers();
    const struct {
        int menu, x, y;
        const char* rgb;
    } cases[] = {{0, 4, 4, "160,70,60"}, {1, 4, 4, "138,98,93"}, {4, 4, 4, "132,105,101"}, {1, 0, 0, "195,195,195"}};
    for (const auto& c : cases) {
        f.mnuSample[std::size_t(c.menu)].click();
        click(c.x, c.y);
        waitForTheMark();
        EXPECT_EQ(joined(w().Text1), c.rgb) << c.menu;
    }

    const std::string before = joined(w().Text12);
    f.mnuSample[0].click();
    offerFile("clipped.png", pictureOf(20, 10, ui::Rgb{255, 128, 64}, {{10, 0, 10, 10, ui::Rgb{40, 0, 200}}}));
    f.mnuLoadPicture.click();
    for (const auto& [x, rgb] : {std::pair{2, "255, 128, 64"}, std::pair{12, "40, 0, 200"}}) {
        click(x, 3);
        waitForTheMark();
        EXPECT_EQ(f.Text5.text(), std::string("Not converted: ") + rgb + " has a channel at 0 or 255");
        EXPECT_EQ(joined(w().Text12), before);  // the main window is left as it was
        EXPECT_EQ(joined(w().Text1), "195,195,195");
    }
}

}  // namespace
}  // namespace tintara::testkit
