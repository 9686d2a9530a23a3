// Swatch click, gamma, white balance and printing.
#include "main_window_fixture.h"

namespace tintara::testkit {

class DisplayControlsTest : public StartedWindowTest {
protected:
    // Selects the box's text and types over it.
    static void retype(ui::TextBox& box, const std::string& text) {
        box.select(0, int(box.text().size()));
        box.type(text);
    }
};

// The start-up colour's linear red, 0.5853 (X Y Z 37.80 31.23 26.51 through
// the display matrix), is R 199 at gamma 2.2, 205 at 2.5 (205.8) and 202 at
// 2.3 (202.03).
TEST_F(DisplayControlsTest, GammaBoxAndBarKeepEachOtherInStep) {
    retype(w().Text5, "2.5");
    EXPECT_EQ(w().VScroll8.value(), 25);
    EXPECT_EQ(w().Text1[0].text(), "205");  // the current colour is redrawn
    w().VScroll8.setValue(22);
    retype(w().Text5, "2.26");  // 22 -> 23 and the box is normalised
    EXPECT_EQ(w().Text5.text(), "2.3");
    for (const char* ignored : {"0.8", "4", "", "abc"}) {
        w().Text5.setText(ignored);
        EXPECT_EQ(std::to_string(w().VScroll8.value()) + " " + w().Text1[0].text(), "23 202") << ignored;
    }
}

TEST_F(DisplayControlsTest, WhiteBalanceTintsTheWindowWithoutReconverting) {
    w().VScroll7.setValue(50);
    EXPECT_FLOAT_EQ(w().display().gain[1], 1.0f);
    EXPECT_NEAR(w().display().gain[2], 0.694, 0.001);
    EXPECT_FLOAT_EQ(w().display().gain[3], 0.5f);
    for (const auto& tint : {w().Text12[0].backColor(), w().Text3.backColor()})
        EXPECT_EQ(tint, (ui::Rgb{255, 177, 128}));
    for (const auto& tint : {w().Label8.backColor(), w().Command8.backColor(), std::optional(w().background())})
        EXPECT_EQ(tint, (ui::Rgb{200, 139, 100}));
    EXPECT_FALSE(w().Picture2.visible());
    EXPECT_EQ(joined(w().Text1), "199,133,126");
    w().VScroll7.setValue(100);
    EXPECT_TRUE(w().Picture2.visible());
    EXPECT_EQ(w().Text12[0].backColor(), ui::white);
}

// A click converts the colour under the pointer as its RGB typed would; a
// colour with a clipped component only writes the boxes.
TEST_F(DisplayControlsTest, SwatchClickConvertsOnlyColoursWithoutAClippedComponent) {
    w().Picture1.fill(ui::Rgb{120, 90, 60});
    w().Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
    EXPECT_EQ(headless.events.count(), 1);
    const auto clicked = workspace::shownFields(w());
    enter(workspace::EntryForm::Rgb, {"120", "90", "60"});
    EXPECT_EQ(workspace::shownFields(w()), clicked);

    w().Picture1.fill(ui::Rgb{255, 120, 40});
    w().Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
    EXPECT_EQ(joined(w().Text1), "255,120,40");
    EXPECT_EQ(w().Text12[0].text(), clicked[0].second);  // only the boxes were written
    EXPECT_EQ(headless.events.count(), 1);
}

TEST_F(DisplayControlsTest, PrintGoesToThePrinterOrAPdfAndItsErrorsAreNotReported) {
    w().printB.click();
    EXPECT_EQ(headless.printer.printed, std::vector<std::string>{"Form1"});
    EXPECT_EQ(w().Text3.text(), "");
    // Without a printer the image goes into a PDF file, and the message line says where.
    headless.printer.pdfFile = "/home/ann/Tintara.pdf";
    w().printB.click();
    EXPECT_EQ(w().Text3.text(), "No printer: the window was saved as /home/ann/Tintara.pdf");
    w().Text3.setText("");
    headless.printer.failWith = "no printer";
    w().printB.click();  // errors are not reported
    EXPECT_TRUE(headless.dialogs.shown.empty());
    EXPECT_EQ(w().Text3.text(), "");
}

}  // namespace tintara::testkit
