// Swatch click, gamma, white balance, window switches, printing, Help and About.
#include "main_window_fixture.h"

namespace tintara::testkit {

namespace {
class DisplayControlsTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    // Selects the box's text and types over it.
    static void retype(ui::TextBox& box, const std::string& text) {
        box.select(0, int(box.text().size()));
        box.type(text);
    }
};
}  // namespace

TEST_F(DisplayControlsTest, GammaBoxAndBarKeepEachOtherInStep) {
    const std::string red = w().Text1[0].text();
    retype(w().Text5, "2.5");
    EXPECT_EQ(w().VScroll8.value(), 25);
    EXPECT_FLOAT_EQ(w().display().exponent[1], 1.0f / 2.5f);
    EXPECT_NE(w().Text1[0].text(), red);  // the current colour is redrawn

    w().VScroll8.setValue(22);
    retype(w().Text5, "2.26");  // 22 -> 23 and the box is normalised
    EXPECT_EQ(w().VScroll8.value(), 23);
    EXPECT_EQ(w().Text5.text(), "2.3");

    for (const char* ignored : {"0.8", "4", "", "abc"}) {
        w().Text5.setText(ignored);
        EXPECT_EQ(w().VScroll8.value(), 23) << ignored;
        EXPECT_FLOAT_EQ(w().display().exponent[2], 1.0f / 2.3f) << ignored;
    }
}

TEST_F(DisplayControlsTest, WhiteBalanceTintsTheWindowWithoutReconverting) {
    const std::string rgb = w().Text1[0].text() + w().Text1[2].text();
    w().VScroll7.setValue(50);
    EXPECT_FLOAT_EQ(w().display().gain[1], 1.0f);
    EXPECT_NEAR(w().display().gain[2], 0.694, 0.001);
    EXPECT_FLOAT_EQ(w().display().gain[3], 0.5f);
    EXPECT_EQ(w().Text12[0].backColor(), (ui::Rgb{255, 177, 128}));
    EXPECT_EQ(w().Text3.backColor(), (ui::Rgb{255, 177, 128}));
    EXPECT_EQ(w().Label8.backColor(), (ui::Rgb{200, 139, 100}));
    EXPECT_EQ(w().Command8.backColor(), (ui::Rgb{200, 139, 100}));
    EXPECT_EQ(w().background(), (ui::Rgb{200, 139, 100}));
    EXPECT_FALSE(w().Picture2.visible());
    EXPECT_EQ(w().Text1[0].text() + w().Text1[2].text(), rgb);
    w().VScroll7.setValue(100);
    EXPECT_TRUE(w().Picture2.visible());
    EXPECT_EQ(w().Text12[0].backColor(), ui::white);
}

TEST_F(DisplayControlsTest, SwatchClickConvertsOnlyColoursWithoutAClippedComponent) {
    w().Picture1.fill(ui::Rgb{120, 90, 60});
    w().Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
    EXPECT_EQ(w().Text1[0].text(), "120");
    EXPECT_EQ(w().Text1[2].text(), "60");
    EXPECT_EQ(headless.events.count(), 1);
    const std::string hue = w().Text12[0].text();
    EXPECT_NE(hue, "5.6R");  // converted: the notation found for that RGB

    w().Picture1.fill(ui::Rgb{255, 120, 40});
    w().Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
    EXPECT_EQ(w().Text1[0].text(), "255");
    EXPECT_EQ(w().Text1[1].text(), "120");
    EXPECT_EQ(w().Text12[0].text(), hue);  // only the boxes were written
    EXPECT_EQ(headless.events.count(), 1);
}

TEST_F(DisplayControlsTest, WindowSwitchesSayWhenTheirWindowIsMissing) {
    companions->replaceMaker(workspace::Companion::HuePage, {});  // a build without the Hue page
    w().Check2.click();
    EXPECT_EQ(w().Text3.text(), "The Hue page is not part of this version yet");
    w().Check2.click();
    EXPECT_EQ(w().Text3.text(), "The Hue page is not part of this version yet");
}

TEST_F(DisplayControlsTest, PrintHelpAndAbout) {
    w().printB.click();
    EXPECT_EQ(headless.printer.printed, std::vector<std::string>{"Form1"});
    EXPECT_EQ(w().Text3.text(), "");
    // Without a printer the image goes into a PDF file, and the message line says where.
    headless.printer.pdfFile = "/home/ann/Tintara.pdf";
    w().printB.click();
    EXPECT_EQ(w().Text3.text(), "No printer: the window was saved as /home/ann/Tintara.pdf");
    // A PDF that could not be written is said; the printer's own errors are not.
    headless.printer.failWith = "Could not write /home/ann/Tintara.pdf: No space left on device";
    w().printB.click();
    EXPECT_EQ(w().Text3.text(),
              "No printer, and the window could not be saved: Could not write "
              "/home/ann/Tintara.pdf: No space left on device");
    headless.printer.pdfFile.clear();
    w().Text3.setText("");
    headless.printer.failWith = "no printer";
    w().printB.click();
    EXPECT_TRUE(headless.dialogs.shown.empty());
    EXPECT_EQ(w().Text3.text(), "");

    w().Command1.click();
    ASSERT_EQ(headless.dialogs.shown.size(), 1u);
    const auto& help = headless.dialogs.shown[0];
    EXPECT_EQ(help.title, "Munsell ZOL Help");
    EXPECT_EQ(help.icon, ui::MessageIcon::None);
    EXPECT_EQ(help.prompt.substr(0, 46), "Enter Hue, Value and Chroma and press 'Enter'\r");
    EXPECT_NE(help.prompt.find("RP \r                      or\r"), std::string::npos);
    EXPECT_NE(help.prompt.find("press enter\r\rChecking PWD"), std::string::npos);
    EXPECT_EQ(help.prompt.back(), ')');

    w().Command9.click();
    const auto& about = headless.dialogs.shown[1];
    EXPECT_EQ(about.title, "Tintara Version 12.24.1");
    EXPECT_EQ(about.icon, ui::MessageIcon::Information);
    EXPECT_NE(about.prompt.find("\r\rCE7000, CE7000A, CE2180, Ci5, Ci7, Spectrolino & SpectroEye Spectrophotometer "
                                "drivers are included in this version."),
              std::string::npos);
}

}  // namespace tintara::testkit
