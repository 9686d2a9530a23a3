// "Save to Palette": the record, the questions, and the file.
#include "main_window_fixture.h"

#include <sys/stat.h>

namespace tintara::testkit {

namespace {
class PaletteTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        headless.clock.setDate({2026, 3, 7, 9, 5, 4});
    }
    // "Save to Palette", answering its questions in turn.
    void save(std::initializer_list<std::optional<std::string>> answers) {
        for (const auto& a : answers) headless.dialogs.answerInput(a);
        w().Command11.click();
    }
};

const std::string startUpFields =
    R"("5.6R","6.1","6.2","37.80","31.23","26.51","62.70","24.64","14.18",0.57954663,0.238828,0.21204439,)"
    R"("199","133","126","20","46","48","1")";
}  // namespace

// The first save asks for the file and the tag, the next only for the tag;
// each appends one record. "file" as the tag asks for another file; a name
// cancelled saves nothing.
TEST_F(PaletteTest, TheFileIsAskedForOnceTheTagEachTime) {
    save({"mine", "Brick \"red\""});
    ASSERT_EQ(headless.dialogs.shown.size(), 2u);
    EXPECT_EQ(headless.dialogs.shown[0].prompt, "Palette File Name to save or append  [.CSV added]");
    EXPECT_EQ(headless.dialogs.shown[0].title, "Save Palette Data");
    EXPECT_EQ(headless.dialogs.shown[0].defaultText, "ZOLpalette");
    EXPECT_EQ(headless.dialogs.shown[1].prompt, "Palette mine - Enter Tag [Enter 'file' to change file name]");
    EXPECT_EQ(headless.dialogs.shown[1].title, "Palette File Save - TAG");
    EXPECT_EQ(w().paletteFile, "mine.csv");
    const std::string first = R"("03-07-2026","09:05:04","Brick ""red""",)" + startUpFields + "\r\n";
    EXPECT_EQ(folder.read("mine.csv"), first);

    headless.clock.setDate({2026, 3, 7, 23, 59, 58});
    save({"b"});
    EXPECT_EQ(headless.dialogs.shown.size(), 3u);
    const std::string both = first + R"("03-07-2026","23:59:58","b",)" + startUpFields + "\r\n";
    EXPECT_EQ(folder.read("mine.csv"), both);
    save({"FILE", "two.CSV", "c"});  // an extension typed is kept
    EXPECT_EQ(w().paletteFile, "two.CSV");
    EXPECT_EQ(folder.read("two.CSV"), R"("03-07-2026","23:59:58","c",)" + startUpFields + "\r\n");
    EXPECT_EQ(folder.read("mine.csv"), both);

    w().paletteFile.clear();
    save({std::nullopt});
    EXPECT_TRUE(w().paletteFile.empty());
}

TEST_F(PaletteTest, RgbBoxesAreLimitedAndTheLinearFieldsFollowTheLimitedValues) {
    for (int i = 0; i < 3; ++i) w().Text1[i].setText(std::vector<std::string>{"300", "-5", "128"}[i]);
    save({"p", "t"});
    EXPECT_EQ((std::vector<int>{w().VScroll4.value(), w().VScroll5.value(), w().VScroll6.value()}),
              (std::vector<int>{255, 0, 128}));
    const std::string line = folder.read("p.csv");
    EXPECT_NE(line.find(R"("14.18",1,0,0.21951973,"300","-5","128",)"), std::string::npos) << line;
}

TEST_F(PaletteTest, UnwritableFileIsReportedAndRgbTextMustBeNumbers) {
    std::filesystem::create_directory(folder.path() / "taken.csv");
    save({"taken", "t"});
    const auto messages = headless.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("taken.csv"), std::string::npos);

    const auto shownBefore = headless.dialogs.shown.size();
    w().Text1[1].setText("abc");
    w().Command11.click();
    EXPECT_EQ(headless.dialogs.shown.size(), shownBefore);  // refused before any question
    EXPECT_EQ(w().Text3.text(), "R, G and B must be numbers to save the colour to the palette");
}

// A palette whose last line has no end, as another program may leave it.
TEST_F(PaletteTest, RecordGoesOnANewLineAfterALastLineWithoutEnd) {
    folder.write("kept.csv", R"("01-02-2026","10:00:00","old")");
    save({"kept", "new"});
    EXPECT_EQ(folder.read("kept.csv"), R"("01-02-2026","10:00:00","old")"
                                       "\r\n"
                                       R"("03-07-2026","09:05:04","new",)" +
                                           startUpFields + "\r\n");
}

}  // namespace tintara::testkit
