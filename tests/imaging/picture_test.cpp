// The picture the window shows: TestImage.jpg when it opens, a picture file
// chosen in the dialog, the clipboard's picture, and everything that can go
// wrong on the way, each leaving the window usable.
#include <gtest/gtest.h>

#include "imaging/image_window_fixture.h"

namespace tintara::testkit {
namespace {

TEST_F(ImageWindowTest, ATestImageThatCannotBeReadIsNamedAndTheWindowStaysUsable) {
    w().Check6.click();  // nothing shipped as TestImage.jpg
    const std::string path = testLocations(folder.path()).shipped(imaging::testImageName).string();
    EXPECT_EQ(messages(), std::vector<std::string>{"The picture " + path + " cannot be found"});
    EXPECT_TRUE(form().visible() && form().picture().empty());
    click(10, 10);  // nothing to sample
    EXPECT_EQ(form().Text6.text(), "Pixel Location");

    offerFile("/home/ann/pics/flower.jpg", testImage());
    form().mnuLoadPicture.click();
    EXPECT_EQ(form().Text2.text(), "/home/ann/pics/flower.jpg");
    EXPECT_EQ(form().picture(), testImage());
}

TEST_F(ImageWindowTest, LoadPictureShowsTheChosenPictureProposesItsBareNameAndWarnsOfOneTooBig) {
    open();
    offerFile("/home/ann/pics/Flower.Photo.png", pictureOf(900, 700, testBlue));
    form().mnuLoadPicture.click();
    EXPECT_EQ(form().Text3.text() + " x " + form().Text4.text(), "900 x 700");
    EXPECT_EQ(form().proposedPalette(), "Flower.Photo");
    // 900 pixels fit the window's width; 700 need 1080 + 10500 + 120 twips.
    EXPECT_EQ(form().clientWidth(), 15045);
    EXPECT_EQ(form().clientHeight(), 11700);

    // A smaller picture gives the window its own size back.
    offerFile("small.jpg", pictureOf(20, 10, testBrick));
    form().mnuLoadPicture.click();
    EXPECT_EQ(form().clientHeight(), 11220);
    EXPECT_EQ(form().Picture1.rect().width, 20 * 15);
    EXPECT_EQ(messages(), std::vector<std::string>{});

    // A picture larger than the screen is shown after a warning.
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
        EXPECT_EQ(c.warned ? messages().back() : tooBig, tooBig);
        EXPECT_EQ(std::pair(form().picture().width(), form().picture().height()), std::pair(c.width, c.height));
    }
}

// A cancelled dialog, an unreadable picture and an empty clipboard leave the
// picture as it was; the clipboard's picture is then taken.
TEST_F(ImageWindowTest, WhatCannotBeLoadedLeavesThePictureAndTheClipboardsPictureIsTaken) {
    open();
    form().mnuLoadPicture.click();  // the dialog cancelled
    const std::string damaged = "The picture broken.jpg is damaged: the file ends before the picture does";
    headless.pictures.failFile("broken.jpg", damaged);
    headless.dialogs.answerFile("broken.jpg");
    form().mnuLoadPicture.click();
    form().mnuClipboard.click();
    EXPECT_EQ(messages(), (std::vector<std::string>{damaged, "Clipboard empty or Picture too big"}));
    EXPECT_EQ(form().Text2.text() + " " + form().Text3.text(), "TestImage.jpg 40");
    EXPECT_EQ(form().picture(), testImage());
    EXPECT_EQ(form().proposedPalette(), "TestImage");
    click(10, 10);  // still the picture it was
    EXPECT_EQ(form().Text7.backColor(), testBrick);

    headless.pictures.clipboard = pictureOf(30, 20, testBlue);
    form().mnuClipboard.click();
    EXPECT_EQ(form().picture(), pictureOf(30, 20, testBlue));
    EXPECT_EQ(form().proposedPalette(), "clipboard");
    EXPECT_EQ(messages().size(), 2u);
}

// Opening shows TestImage.jpg without touching the main window's palette name,
// whose next "Save to Palette" still asks for its file.
TEST_F(ImageWindowTest, OpeningShowsTestImageHelpStepsTheMainWindowAsideAndExitUnticksImageAnalysis) {
    imaging::Form2& f = open();
    EXPECT_EQ(f.Text2.text() + " " + f.Text3.text() + " x " + f.Text4.text(), "TestImage.jpg 40 x 30");
    EXPECT_EQ(f.Picture1.surface().image(), testImage());
    EXPECT_EQ(f.proposedPalette(), "TestImage");
    EXPECT_EQ(w().paletteFile, "");

    bool mainShownDuringHelp = true;
    headless.dialogs.onShow = [&](const ui::ShownDialog&) { mainShownDuringHelp = w().visible(); };
    f.mnuHelp.click();
    EXPECT_FALSE(mainShownDuringHelp);
    EXPECT_TRUE(w().visible());
    f.mnuExit.click();
    EXPECT_FALSE(f.visible() || w().Check6.ticked());
    w().Check6.click();  // the same window again, with its picture
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(&form(), &f);
}

}  // namespace
}  // namespace tintara::testkit
