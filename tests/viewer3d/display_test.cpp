// The 3D display on the headless surface: dots where the projection puts them
// (pixel positions worked by hand for the 401 x 393 pixel display at zoom 20),
// their widths, the axes and markers, the selection mark, the numbers, and the
// two timers on the hand-set clock.
#include <gtest/gtest.h>

#include "viewer3d/viewer_fixture.h"

namespace tintara::testkit {
namespace {

// Chart (x, y) to pixels at zoom 20, no pan: column (x + 20) 401 / 40, row
// (20 - y) 393 / 40.
class DisplayTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        folder.write("newpalette2.csv", paletteText({{"Brick", "5R", "8", "10"}, {"Navy", "5PB", "2", "6"}}));
        open();
        viewer().Command2_Click();  // stop the rotation
        viewer().HScroll1.setValue(0);
    }
    ui::Rgb colour(int entry) { return pal().palRGB[entry]; }
    // Sets the tilt bar (0 a side view, 90 from above) and redraws.
    void tiltBar(int value) {
        if (!viewer().VScroll1.setValue(value) || viewer().VScroll1.value() == value) viewer().drawPalette();
    }
    int blackPixels(int x0, int y0, int w, int h) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) n += pixel(x, y) == ui::black;
        return n;
    }
};

TEST_F(DisplayTest, FromTheSideEachDotStandsAtItsValue) {
    tiltBar(0);
    // 5R 8/10: x = 10 cos 18 = 9.5106, y = 4 (8 - 5) = 12: pixel (295.8, 78.6).
    EXPECT_NEAR(pal().palXY[1][0], 9.51057f, 1e-4);
    EXPECT_NEAR(pal().palXY[1][1], 12.0f, 1e-4);
    // Value 8: 18 pixels across, columns 286 to 303 on the centre row.
    expectPixels({{295, 78, colour(1)},
                  {286, 78, colour(1)},
                  {303, 78, colour(1)},
                  {285, 78, displayGrey},
                  {304, 78, displayGrey}});
    // 5PB 2/6: x = 6 cos 270 = 0, y = 4 (2 - 5) = -12: pixel (200.5, 314.4);
    // value 2, 6 pixels across: columns 197 to 202.
    EXPECT_NEAR(pal().palXY[2][1], -12.0f, 1e-4);
    expectPixels({{200, 314, colour(2)}, {197, 314, colour(2)}, {196, 314, displayGrey}, {203, 314, displayGrey}});
    // The chroma rings collapse to the horizontal line through the centre, row
    // 196; the value axis ends in a white dot at the top and a black one at
    // the bottom edge.
    expectPixels({{30, 196, ui::black},
                  {30, 195, displayGrey},
                  {30, 197, displayGrey},
                  {197, 2, ui::white},
                  {197, 390, ui::black}});
}

TEST_F(DisplayTest, FromAboveTheHueCircleAndTheMarkersTurnWithTheRotation) {
    tiltBar(90);
    // y = C sin(angle): 10 sin 18 = 3.0902 and 6 sin 270 = -6.
    EXPECT_NEAR(pal().palXY[1][1], 3.09017f, 1e-4);
    expectPixels({{295, 166, colour(1)}, {200, 255, colour(2)}});
    // A quarter turn: 5R at 108 degrees, (-3.0902, 9.5106), pixel (169.5, 103.1).
    viewer().HScroll1.setValue(90);
    viewer().drawPalette();
    EXPECT_EQ(pixel(169, 103), colour(1));
    EXPECT_NEAR(pal().palXY[1][0], -3.09017f, 1e-4);
    // Turned 45 degrees, the markers stand 20 units out on the diagonals:
    // (+-14.142, +-14.142), dots 10 pixels across around the corners (342, 57),
    // (58, 57), (58, 335) and (342, 335). Their black lines come from the
    // centre, so the pixels looked at lie on the far side of each.
    viewer().HScroll1.setValue(45);
    viewer().drawPalette();
    expectPixels({{344, 54, {255, 0, 0}},
                  {56, 54, {255, 255, 0}},
                  {56, 338, {0, 255, 0}},
                  {344, 338, {0, 0, 255}},
                  {349, 54, displayGrey}});
}

TEST_F(DisplayTest, ZoomAndPanMoveTheChart) {
    tiltBar(90);
    // Zoom 10 doubles the scale; pan X 300 (10 units) puts the left edge at
    // x = 10 - 10 = 0, so 5R at x = 9.5106 lands at 9.5106 * 401 / 20 = 190.7.
    viewer().VScroll2.setValue(10);
    viewer().HScroll2.setValue(300);
    viewer().VScroll3.setValue(250);  // pan Y 5: the top edge at y = 15
    // y = 3.0902: row (15 - 3.0902) 393 / 20 = 234.0.
    EXPECT_EQ(pixel(190, 234), colour(1));
    EXPECT_NEAR(viewer().view().panX, 10.0f, 1e-6);
}

// The widest dot on screen: value 10.4 is drawn as 10, 22 pixels across, not
// 23. 5Y 10.4/8 from above at (0, 8): centre (200.5, 117.9), columns 189 to 210.
TEST_F(DisplayTest, TheWidestDotIs22PixelsAcross) {
    tiltBar(90);
    load("values.csv", {{"mid", "5Y", "10.4", "8"}});
    viewer().drawPalette();
    expectPixels({{189, 117, colour(1)}, {210, 117, colour(1)}, {188, 117, displayGrey}, {211, 117, displayGrey}});
}

TEST_F(DisplayTest, TheSelectedSampleIsMarkedWhiteAndNumbersAreWrittenWhenAsked) {
    tiltBar(0);
    viewer().List1.choose(0);
    viewer().drawPalette();
    // Value 8: a white mark 10 pixels across on the 18-pixel dot, columns 290 to 299.
    expectPixels({{295, 78, ui::white},
                  {290, 78, ui::white},
                  {299, 78, ui::white},
                  {289, 78, colour(1)},
                  {300, 78, colour(1)},
                  {200, 314, colour(2)}});

    // " 2" from the dot's centre: the blank's cell, then the 2 in black.
    EXPECT_EQ(blackPixels(206, 314, 6, 10), 0);
    viewer().Check1.click();
    viewer().drawPalette();
    EXPECT_GT(blackPixels(206, 314, 6, 10), 5);
    EXPECT_EQ(blackPixels(201, 314, 5, 10), 0);
}

TEST_F(DisplayTest, RotationStepsAtTheSpeedSettingAndWrapsFrom180ToMinus180) {
    auto& t = timers();
    viewer().Command1.click();
    viewer().HScroll1.setValue(178);
    for (int expected : {179, 180, -180, -179}) {
        t.advance(1);
        EXPECT_EQ(viewer().HScroll1.value(), expected);
    }
    // Slower: 25 ms a degree from the next step on.
    viewer().HScroll3.setValue(25);
    t.advance(1);
    EXPECT_EQ(viewer().HScroll1.value(), -178);
    t.advance(24);
    EXPECT_EQ(viewer().HScroll1.value(), -178);
    t.advance(1);
    EXPECT_EQ(viewer().HScroll1.value(), -177);
    t.advance(100);
    EXPECT_EQ(viewer().HScroll1.value(), -173);
    // Stop.
    viewer().Command2.click();
    EXPECT_EQ(viewer().Command2.backColor(), (ui::Rgb{224, 160, 160}));
    EXPECT_EQ(viewer().Command1.backColor(), (ui::Rgb{160, 224, 160}));
    t.advance(100);
    EXPECT_EQ(viewer().HScroll1.value(), -173);
}

TEST_F(DisplayTest, TheRedrawEveryTenMillisecondsDrawsOnlyWhatChanged) {
    auto& t = timers();
    const ui::Surface& s = viewer().Picture1.surface();
    t.advance(10);
    const auto settled = s.revision();
    t.advance(200);  // nothing moves: nothing is drawn
    EXPECT_EQ(s.revision(), settled);
    EXPECT_EQ(t.ticks(viewer().Timer2), 21);
    viewer().HScroll1.setValue(30);  // takes effect at the next redraw
    EXPECT_EQ(s.revision(), settled);
    t.advance(9);
    EXPECT_EQ(s.revision(), settled);
    t.advance(1);
    EXPECT_GT(s.revision(), settled);
    EXPECT_NEAR(viewer().view().rotAngle, 30 * 0.0174532925f, 1e-6);
    // Turning while hidden draws nothing; shown again, the next tick draws.
    const auto shown = s.revision();
    viewer().hide();
    viewer().HScroll1.setValue(60);
    t.advance(50);
    EXPECT_EQ(s.revision(), shown);
    viewer().show();
    t.advance(10);
    EXPECT_GT(s.revision(), shown);
    // The tilt and pan Y bars redraw at once.
    const auto before = s.revision();
    viewer().VScroll1.setValue(40);
    EXPECT_GT(s.revision(), before);
    EXPECT_EQ(viewer().view().tiltDeg, 50.0f);
}

// A timer view that counts how often the redraw timer's count starts again.
struct RestartCount : ui::TimerView {
    void timerChanged(const ui::Timer&) override { ++restarts; }
    int restarts = 0;
};

TEST_F(DisplayTest, ARedrawSlowerThanTheCadenceMakesTheNextOneWaitAWholeInterval) {
    RestartCount view;
    viewer().Timer2.setView(&view);
    viewer().HScroll1.setValue(10);
    headless.clock.advanceOnRead(0.009);  // the redraw takes 9 ms
    viewer().Timer2.fire();
    EXPECT_EQ(view.restarts, 0);
    viewer().HScroll1.setValue(20);
    headless.clock.advanceOnRead(0.011);  // 11 ms
    viewer().Timer2.fire();
    EXPECT_EQ(view.restarts, 1);
    EXPECT_EQ(viewer().Timer2.interval(), 10);
    // Across midnight, 15 ms.
    headless.clock.advanceOnRead(0);
    headless.clock.set(24 * 3600 - 0.005);
    headless.clock.advanceOnRead(0.015);
    viewer().HScroll1.setValue(30);
    viewer().Timer2.fire();
    EXPECT_EQ(view.restarts, 2);
    headless.clock.advanceOnRead(0);
    viewer().Timer2.setView(nullptr);
}

}  // namespace
}  // namespace tintara::testkit
