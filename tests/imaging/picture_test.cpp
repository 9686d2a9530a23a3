// The picture the window shows: TestImage.jpg when it opens, a picture file
// chosen in the dialog, the clipboard's picture, and everything that can go
// wrong on the way, each leaving the window usable.
#include <gtest/gtest.h>

#include "imaging/image_window_fixture.h"

namespace tintara::testkit {
namespace {

TEST_F(ImageWindowTest, OpeningShowsTestImageWithoutTouchingTheMainWindowsPaletteName) {
    imaging::Form2& f = open();
    EXPECT_EQ(f.caption(), "Munsell Notation Picture Analysis");
    EXPECT_EQ(f.Text2.text(), "TestImage.jpg");
    EXPECT_EQ(f.Text3.text(), "40");
    EXPECT_EQ(f.Text4.text(), "30");
    EXPECT_EQ(f.Picture1.surface().image(), testImage());
    EXPECT_EQ(f.Text5.text(), "Click on picture to display Munsell Notation");
    EXPECT_EQ(f.Text6.text(), "Pixel Location");
    EXPECT_TRUE(f.clickMode());
    EXPECT_TRUE(f.mnuMouseClick.checked());
    EXPECT_TRUE(f.mnuSample[4].checked());
    EXPECT_TRUE(f.mnuMakePalette.visible());
    EXPECT_FALSE(f.mnuView3D.visible());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(f.proposedPalette(), "TestImage");

    // The main window's next "Save to Palette" still asks for its file.
    EXPECT_EQ(w().paletteFile, "");
    headless.dialogs.answerInput("mine");
    headless.dialogs.answerInput("a tag");
    w().Command11.click();
    EXPECT_EQ(headless.dialogs.shown.at(0).prompt, "Palette File Name to save or append  [.CSV added]");
    EXPECT_EQ(w().paletteFile, "mine.csv");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "TestImage.csv"));
}

TEST_F(ImageWindowTest, ATestImageThatCannotBeReadIsNamedAndTheWindowStaysUsable) {
    w().Check6.click();  // nothing shipped as TestImage.jpg
    const std::string path = testLocations(folder.path()).shipped(imaging::testImageName).string();
    EXPECT_EQ(messages(), std::vector<std::string>{"The picture " + path + " cannot be found"});
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(form().picture().empty());
    EXPECT_EQ(form().Text2.text(), "");
    click(10, 10);  // nothing to sample
    EXPECT_EQ(form().Text6.text(), "Pixel Location");
    EXPECT_EQ(joined(w().Text12), "5.6R,6.1,6.2");

    offerFile("/home/ann/pics/flower.jpg", testImage());
    form().mnuLoadPicture.click();
    EXPECT_EQ(form().Text2.text(), "/home/ann/pics/flower.jpg");
    EXPECT_EQ(form().picture(), testImage());
}

TEST_F(ImageWindowTest, LoadPictureShowsTheChosenPictureAndProposesItsBareName) {
    open();
    offerFile("/home/ann/pics/Flower.Photo.png", pictureOf(900, 700, testBlue));
    form().mnuLoadPicture.click();
    const ui::ShownDialog& dialog = headless.dialogs.shown.back();
    EXPECT_EQ(dialog.kind, ui::ShownDialog::Kind::OpenFile);
    EXPECT_NE(dialog.defaultText.find("*.jpg"), std::string::npos);  // the filter
    EXPECT_NE(dialog.defaultText.find("*.png"), std::string::npos);
    EXPECT_EQ(form().pictureFile(), "/home/ann/pics/Flower.Photo.png");
    EXPECT_EQ(form().Text2.text(), "/home/ann/pics/Flower.Photo.png");
    EXPECT_EQ(form().Text3.text(), "900");
    EXPECT_EQ(form().Text4.text(), "700");
    EXPECT_EQ(form().proposedPalette(), "Flower.Photo");
    EXPECT_EQ(w().paletteFile, "");
    // 900 pixels fit the window's width; 700 need 1080 + 10500 + 120 twips.
    EXPECT_EQ(form().clientWidth(), 15045);
    EXPECT_EQ(form().clientHeight(), 11700);

    // A smaller picture gives the window its own size back.
    offerFile("small.jpg", pictureOf(20, 10, testBrick));
    form().mnuLoadPicture.click();
    EXPECT_EQ(form().clientHeight(), 11220);
    EXPECT_EQ(form().Picture1.rect().width, 20 * 15);
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(ImageWindowTest, ACancelledDialogOrAnUnreadablePictureLeavesEverythingAsItWas) {
    open();
    form().mnuLoadPicture.click();  // the dialog cancelled
    headless.pictures.failFile("broken.jpg",
                               "The picture broken.jpg is damaged: the file ends before the picture does");
    headless.dialogs.answerFile("broken.jpg");
    form().mnuLoadPicture.click();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"The picture broken.jpg is damaged: the file ends before the picture does"});
    EXPECT_EQ(headless.dialogs.shown.back().icon, ui::MessageIcon::Critical);
    EXPECT_EQ(form().Text2.text(), "TestImage.jpg");
    EXPECT_EQ(form().Text3.text(), "40");
    EXPECT_EQ(form().picture(), testImage());
    EXPECT_EQ(form().proposedPalette(), "TestImage");
    click(10, 10);  // still the picture it was
    EXPECT_EQ(form().Text7.backColor(), testBrick);
}

TEST_F(ImageWindowTest, APictureLargerThanTheScreenIsShownAfterAWarning) {
    open();
    headless.pictures.screen = {1280, 1024};
    const std::string tooBig = "Picture too big - Resize or select a section with an external image editing program";
    const struct {
        int width, height;
        bool warned;
    } cases[] = {{1280, 1024, false}, {1281, 10, true}, {10, 1025, true}};
    for (const auto& c : cases) {
        const auto before = messages().size();
        offerFile("big.png", pictureOf(c.width, c.height, testGround));
        form().mnuLoadPicture.click();
        EXPECT_EQ(messages().size(), before + (c.warned ? 1 : 0)) << c.width << " x " << c.height;
        if (c.warned) {
            EXPECT_EQ(messages().back(), tooBig);
        }
        EXPECT_EQ(form().Text3.text(), std::to_string(c.width));
        EXPECT_EQ(form().picture().height(), c.height);
    }
}

TEST_F(ImageWindowTest, TheClipboardsPictureOrAMessageWhenItHoldsNone) {
    open();
    form().mnuClipboard.click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Clipboard empty or Picture too big"});
    EXPECT_EQ(form().picture(), testImage());

    headless.pictures.clipboard = pictureOf(30, 20, testBlue);
    form().mnuClipboard.click();
    EXPECT_EQ(form().picture(), pictureOf(30, 20, testBlue));
    EXPECT_EQ(form().Text2.text(), "Picture from the clipboard");
    EXPECT_EQ(form().Text3.text(), "30");
    EXPECT_EQ(form().Text4.text(), "20");
    EXPECT_EQ(form().proposedPalette(), "clipboard");
    EXPECT_EQ(form().pictureFile(), "");
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(ImageWindowTest, HelpStepsTheMainWindowAsideAndExitUnticksImageAnalysis) {
    imaging::Form2& f = open();
    bool mainShownDuringHelp = true;
    headless.dialogs.onShow = [&](const ui::ShownDialog&) { mainShownDuringHelp = w().visible(); };
    f.mnuHelp.click();
    EXPECT_FALSE(mainShownDuringHelp);
    EXPECT_TRUE(w().visible());
    const ui::ShownDialog& help = headless.dialogs.shown.back();
    EXPECT_EQ(help.title, "Options");
    EXPECT_EQ(help.prompt,
              "Displays Munsell Notation of Selected Pixels of Pictures on Your computer\r\n\r\n"
              "Load Picture: Navigate and Load a picture to display\r\n\r\nOptions: \r\n"
              "   Display Modes> Click or continuous Display of Munsell Notation\r\n"
              "   Sample Size> Number of pixels to average\r\n\r\n"
              "Make Palette of Image - Makes a palette file of Munsell Notation for all pixels in a picture\r\n\r\n"
              "Get Clipboard - Loads the clipboard as a picture from other image programs like Paint\r\n\r\n"
              "View 3D Palette - Displays Palette in 3D display\r\n");
    f.mnuExit.click();
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(w().Check6.ticked());
    w().Check6.click();  // the same window again, with its picture
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(&form(), &f);
    EXPECT_EQ(f.Text2.text(), "TestImage.jpg");
}

}  // namespace
}  // namespace tintara::testkit
