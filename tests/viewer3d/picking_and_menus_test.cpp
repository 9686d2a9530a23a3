// Clicking dots to name and compare samples, and the viewer's menus.
#include <gtest/gtest.h>

#include "viewer3d/viewer_fixture.h"

namespace tintara::testkit {
namespace {

class PickingTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        // Seen from the side: Brick at (9.5106, 12), the two Navies at (0, -12),
        // Moss (5GY 5/4, 126 degrees) at (-2.3511, 0).
        folder.write("newpalette2.csv", paletteText({{"Brick", "5R", "8", "10"},
                                                     {"Navy", "5PB", "2", "6"},
                                                     {"Navy again", "5PB", "2", "6"},
                                                     {"Moss", "5GY", "5", "4"}}));
        open();
        viewer().Command2_Click();
        viewer().HScroll1.setValue(0);
        viewer().VScroll1.setValue(0);
    }
    void click(ui::MouseButton button, float x, float y) { viewer().Picture1.mouseDown(button, 0, x, y); }
};

TEST_F(PickingTest, LeftAndRightClicksFillTheirOwnRows) {
    click(ui::MouseButton::Left, 9, 11);
    EXPECT_EQ(viewer().List1.listIndex(), 0);
    EXPECT_EQ(viewer().Text3[0].text(), "Brick");
    EXPECT_EQ(viewer().Text4[0].text(), "5r      8.00/10.00");
    EXPECT_EQ(viewer().Shape1.fillColor(), pal().palRGB[1]);

    // The two Navies stand on the same spot: the lower number wins.
    click(ui::MouseButton::Right, 0.2f, -11.5f);
    EXPECT_EQ(viewer().List1.listIndex(), 1);
    EXPECT_EQ(viewer().Text3[1].text(), "Navy");
    EXPECT_EQ(viewer().Text4[1].text(), "5pb     2.00/6.00");
    EXPECT_EQ(viewer().Shape2.fillColor(), pal().palRGB[2]);
    // The left row keeps its sample.
    EXPECT_EQ(viewer().Text3[0].text(), "Brick");
    EXPECT_EQ(viewer().Shape1.fillColor(), pal().palRGB[1]);
}

TEST_F(PickingTest, APixelOfTheDisplayIsAPointInChartUnits) {
    // Pixel (295.8, 78.6) is Brick's centre: chart (9.51, 12).
    viewer().Picture1.pointerDown(ui::MouseButton::Left, 0, 295.8, 78.6);
    EXPECT_EQ(viewer().Text3[0].text(), "Brick");
    viewer().Picture1.pointerDown(ui::MouseButton::Right, 0, 176.9, 196.5);  // Moss, (-2.35, 0)
    EXPECT_EQ(viewer().Text3[1].text(), "Moss");
    // Far out at (-19.9, 4.9): Brick 29.41 + 7.1 away, Moss 17.55 + 4.9, Navy 19.9 + 16.9.
    viewer().Picture1.pointerDown(ui::MouseButton::Left, 0, 1, 148.4);
    EXPECT_EQ(viewer().Text3[0].text(), "Moss");
}

TEST_F(PickingTest, OtherButtonsOnlySelectAndAnEmptyPaletteIgnoresClicks) {
    click(ui::MouseButton::Middle, 9, 11);
    EXPECT_EQ(viewer().List1.listIndex(), 0);
    EXPECT_EQ(viewer().Text3[0].text(), "");
    EXPECT_EQ(viewer().Text3[1].text(), "");

    load("empty.csv", {});
    EXPECT_EQ(pal().palCount, 0);
    click(ui::MouseButton::Left, 9, 11);
    EXPECT_EQ(viewer().List1.listIndex(), -1);
    EXPECT_EQ(viewer().Text3[0].text(), "");
}

TEST_F(ViewerTest, HelpAndNewPaletteSayWhatTheViewerDoes) {
    folder.write("newpalette2.csv", paletteText({{"x", "5R", "4", "4"}}));
    viewer3d::Form3& v = open();
    v.mnuHelp.click();
    EXPECT_EQ(messages().back(),
              "Continuous rotation of palette is controlled by the 'Rotate' and 'Stop' buttons\r\n"
              "The Palette display is viewed differently by rotating, tilting and panning.\r\n"
              "New palettes are generated from the Tintara Screen by entering or measuring with "
              "Spectrophotometers or from the image analysis screen\r\r"
              "Identify colors in the display by clicking on the color in the list or click on the color dot in "
              "the display\r\r"
              "Two colors can be compared visually by left-clicking the first color and right-clicking the second "
              "color\r\n");

    const unsigned before = w().frontRequests();
    v.mnuNewPalette.click();
    EXPECT_EQ(messages().back(),
              "To make a new palette or add to a current palette, go to the Tintara Screen and enter or measure "
              "samples for the palette and click on 'Save Palette'");
    EXPECT_EQ(w().frontRequests(), before + 1);
    EXPECT_TRUE(w().visible());
}

// Closing with the frame does as "eXit" (see the loading tests); the switch
// opens the same viewer with its tables and selection.
TEST_F(ViewerTest, ClosingHidesTheViewerWithItsTablesAndTheSwitchOpensItAgain) {
    folder.write("newpalette2.csv", paletteText({{"x", "5R", "4", "4"}, {"y", "5Y", "8", "4"}}));
    viewer3d::Form3& v = open();
    v.List1.choose(1);
    v.close();
    EXPECT_FALSE(v.visible());
    EXPECT_FALSE(w().Check7.ticked());
    w().Check7.click();
    EXPECT_TRUE(v.visible());
    EXPECT_EQ(&viewer(), &v);
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(v.List1.listIndex(), 1);
}

}  // namespace
}  // namespace tintara::testkit
