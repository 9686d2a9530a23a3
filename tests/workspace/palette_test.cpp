// "Save to Palette": the record, the questions, and the file.
#include "main_window_fixture.h"

#include <sys/stat.h>

namespace tintara::testing {

namespace {
class PaletteTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        headless.clock.setDate({2026, 3, 7, 9, 5, 4});
    }
};

const std::string startUpFields =
    R"("5.6R","6.1","6.2","37.80","31.23","26.51","62.70","24.64","14.18",0.57954663,0.238828,0.21204439,)"
    R"("199","133","126","20","46","48","1")";
}  // namespace

TEST_F(PaletteTest, FirstSaveAsksForTheFileAndTheTagAndAppendsOneRecord) {
    headless.dialogs.answerInput("mine");
    headless.dialogs.answerInput("Brick \"red\"");
    w().Command11.click();
    ASSERT_EQ(headless.dialogs.shown.size(), 2u);
    EXPECT_EQ(headless.dialogs.shown[0].prompt, "Palette File Name to save or append  [.CSV added]");
    EXPECT_EQ(headless.dialogs.shown[0].title, "Save Palette Data");
    EXPECT_EQ(headless.dialogs.shown[0].defaultText, "ZOLpalette");
    EXPECT_EQ(headless.dialogs.shown[1].prompt, "Palette mine - Enter Tag [Enter 'file' to change file name]");
    EXPECT_EQ(headless.dialogs.shown[1].title, "Palette File Save - TAG");
    EXPECT_EQ(w().paletteFile, "mine.csv");
    EXPECT_EQ(folder.read("mine.csv"), R"("03-07-2026","09:05:04","Brick "red"",)" + startUpFields + "\r\n");
}

TEST_F(PaletteTest, SecondSaveAsksOnlyForTheTagAndAppends) {
    headless.dialogs.answerInput("two.CSV");
    headless.dialogs.answerInput("a");
    w().Command11.click();
    headless.clock.setDate({2026, 3, 7, 23, 59, 58});
    headless.dialogs.answerInput("b");
    w().Command11.click();
    EXPECT_EQ(headless.dialogs.shown.size(), 3u);
    EXPECT_EQ(w().paletteFile, "two.CSV");
    EXPECT_EQ(folder.read("two.CSV"), R"("03-07-2026","09:05:04","a",)" + startUpFields + "\r\n" +
                                          R"("03-07-2026","23:59:58","b",)" + startUpFields + "\r\n");
}

TEST_F(PaletteTest, TagFileSwitchesToAnotherFileAndCancellingTheNameWritesNothing) {
    headless.dialogs.answerInput("first");
    headless.dialogs.answerInput("x");
    w().Command11.click();
    headless.dialogs.answerInput("FILE");
    headless.dialogs.answerInput("second");
    headless.dialogs.answerInput("y");
    w().Command11.click();
    EXPECT_EQ(w().paletteFile, "second.csv");
    EXPECT_NE(folder.read("second.csv").find(R"("y")"), std::string::npos);
    EXPECT_EQ(folder.read("first.csv").find(R"("y")"), std::string::npos);

    w().paletteFile.clear();
    headless.dialogs.answerInput(std::nullopt);
    w().Command11.click();
    EXPECT_TRUE(w().paletteFile.empty());
}

TEST_F(PaletteTest, RgbBoxesAreLimitedAndTheLinearFieldsFollowTheLimitedValues) {
    w().Text1[0].setText("300");
    w().Text1[1].setText("-5");
    w().Text1[2].setText("128");
    headless.dialogs.answerInput("p");
    headless.dialogs.answerInput("t");
    w().Command11.click();
    EXPECT_EQ(w().VScroll4.value(), 255);
    EXPECT_EQ(w().VScroll5.value(), 0);
    EXPECT_EQ(w().VScroll6.value(), 128);
    const std::string line = folder.read("p.csv");
    EXPECT_NE(line.find(R"("14.18",1,0,0.21951973,"300","-5","128",)"), std::string::npos) << line;
}

TEST_F(PaletteTest, UnwritableFileIsReportedAndRgbTextMustBeNumbers) {
    std::filesystem::create_directory(folder.path() / "taken.csv");
    headless.dialogs.answerInput("taken");
    headless.dialogs.answerInput("t");
    w().Command11.click();
    const auto messages = headless.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("taken.csv"), std::string::npos);

    const auto shownBefore = headless.dialogs.shown.size();
    w().Text1[1].setText("abc");
    w().Command11.click();
    EXPECT_EQ(headless.dialogs.shown.size(), shownBefore);  // refused before any question
    EXPECT_EQ(w().Text3.text(), "R, G and B must be numbers to save the colour to the palette");
}

}  // namespace tintara::testing
