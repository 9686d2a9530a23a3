// The notation of the block under the pointer, driven as a person does it:
// clicks and pointer moves over the picture area, the menus, and the time
// the marked block stays inverted.
#include <gtest/gtest.h>

#include <cmath>

#include "imaging/image_window_fixture.h"
#include "munsell/hue_notation.h"
#include "textio/numberread.h"

namespace tintara::testkit {
namespace {

TEST_F(ImageWindowTest, AClickConvertsTheBlockMarksItAndTheMarkGoesAfterItsTime) {
    imaging::Form2& f = open();
    timers();
    click(10, 10);  // the 9 x 9 block 6..14 lies inside the brick square 4..15
    EXPECT_EQ(joined(w().Text1), "160,70,60");
    const std::string notation =
        "Hue = " + w().Text12[0].text() + "   Value = " + w().Text12[1].text() + "   Chroma = " + w().Text12[2].text();
    EXPECT_EQ(f.Text5.text(), notation);
    EXPECT_NE(w().Text12[0].text().find('R'), std::string::npos);  // a red
    EXPECT_EQ(f.Text6.text(), "Position  X = 10  Y = 10");
    EXPECT_EQ(f.Text7.backColor(), testBrick);
    // Marked by inversion, corner to corner, and nothing beyond it.
    EXPECT_EQ(shown(6, 6), (ui::Rgb{95, 185, 195}));
    EXPECT_EQ(shown(14, 14), (ui::Rgb{95, 185, 195}));
    EXPECT_EQ(shown(15, 10), testBrick);
    EXPECT_EQ(shown(10, 5), testBrick);

    // While the block is marked, a second click samples nothing.
    click(30, 10);
    EXPECT_EQ(f.Text6.text(), "Position  X = 10  Y = 10");
    timers().advance(imaging::blockMarkMs - 1);
    EXPECT_TRUE(f.samplingBusy());
    timers().advance(1);
    EXPECT_FALSE(f.samplingBusy());
    EXPECT_EQ(f.Picture1.surface().image(), testImage());

    click(30, 10);
    EXPECT_EQ(joined(w().Text1), "60,90,170");
    EXPECT_EQ(f.Text7.backColor(), testBlue);
    EXPECT_NE(w().Text12[0].text().find('B'), std::string::npos);  // a blue
}

TEST_F(ImageWindowTest, ContinuousModeFollowsThePointerAndDropsMovesWhileABlockIsMarked) {
    imaging::Form2& f = open();
    timers();
    move(10, 10);  // click mode: moving does nothing
    EXPECT_EQ(f.Text6.text(), "Pixel Location");
    f.mnuContinuous.click();
    EXPECT_TRUE(f.mnuContinuous.checked());
    EXPECT_FALSE(f.mnuMouseClick.checked());
    click(10, 10);  // and now clicking does nothing
    EXPECT_EQ(f.Text6.text(), "Pixel Location");
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
    EXPECT_EQ(f.sampleCount(), 9);

    const std::string before = joined(w().Text12);
    const std::string line = f.Text5.text();
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
    EXPECT_NE(line, f.Text5.text());
}

// Chips of known notation, painted with the display RGB the main window finds
// for them (each channel cut down to a whole number), come back as the
// notation they were made from, within what one step of 255 moves: at most
// 0.05 in value, 0.1 in chroma, and 0.12 chroma units along the hue circle
// (hue steps x chroma x 2 pi / 100), so that a grey-ish chip may move further
// in hue than a strong one.
TEST_F(ImageWindowTest, APictureOfKnownChipsGivesBackTheirNotations) {
    const struct {
        const char *hue, *value, *chroma;
    } chips[] = {{"5R", "4", "10"}, {"2.5YR", "6", "8"}, {"5Y", "8", "6"},  {"7.5GY", "5", "6"},
                 {"5BG", "5", "6"}, {"10B", "5", "4"},   {"5PB", "5", "6"}, {"5RP", "5", "8"}};
    std::vector<Patch> patches;
    for (int i = 0; i < 8; ++i) {
        w().Text12[0].setText(chips[i].hue);
        w().Text12[1].setText(chips[i].value);
        w().Text12[2].setText(chips[i].chroma);
        w().vezedu();
        patches.push_back(
            {i * 10, 0, 10, 10, ui::Rgb{std::uint8_t(w().rgbR), std::uint8_t(w().rgbG), std::uint8_t(w().rgbB)}});
    }
    imaging::Form2& f = open(pictureOf(80, 10, testGround, patches));
    timers();
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(chips[i].hue);
        click(i * 10 + 5, 5);
        waitForTheMark();
        const double hue = munsell::parseHue(w().Text12[0].text()).hue, wanted = munsell::parseHue(chips[i].hue).hue;
        const double chroma = textio::leadingNumber(w().Text12[2].text());
        EXPECT_LE(std::fabs(std::remainder(hue - wanted, 100.0)) * chroma * 2 * M_PI / 100, 0.12);
        EXPECT_NEAR(textio::leadingNumber(w().Text12[1].text()), std::stod(chips[i].value), 0.05);
        EXPECT_NEAR(chroma, std::stod(chips[i].chroma), 0.1);
        EXPECT_NE(f.Text5.text().find("Hue = " + w().Text12[0].text()), std::string::npos);
    }
}

}  // namespace
}  // namespace tintara::testkit
