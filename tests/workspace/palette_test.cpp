// "Save to Palette": the record, the questions, and the file.
#include "main_window_fixture.h"

#include <gmock/gmock.h>

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
    const auto& asked = headless.dialogs.shown;
    EXPECT_EQ(asked[0].title + "|" + asked[0].prompt + "|" + asked[0].defaultText,
              "Save Palette Data|Palette File Name to save or append  [.CSV added]|ZOLpalette");
    EXPECT_EQ(asked[1].title + "|" + asked[1].prompt,
              "Palette File Save - TAG|Palette mine - Enter Tag [Enter 'file' to change file name]");
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

// The record takes the RGB boxes as typed and the linear fields and the bars
// the limited values; a file that cannot be written is named; RGB text that
// is no number is refused before any question.
TEST_F(PaletteTest, RgbBoxesAreLimitedUnwritableFileIsReportedAndRgbTextMustBeNumbers) {
    for (int i = 0; i < 3; ++i) w().Text1[i].setText(std::vector<std::string>{"300", "-5", "128"}[i]);
    save({"p", "t"});
    EXPECT_EQ((std::vector<int>{w().VScroll4.value(), w().VScroll5.value(), w().VScroll6.value()}),
              (std::vector<int>{255, 0, 128}));
    EXPECT_THAT(folder.read("p.csv"), testing::HasSubstr(R"("14.18",1,0,0.21951973,"300","-5","128",)"));

    std::filesystem::create_directory(folder.path() / "taken.csv");
    w().paletteFile.clear();
    save({"taken", "t"});
    ASSERT_EQ(headless.dialogs.messages().size(), 1u);
    EXPECT_THAT(headless.dialogs.messages()[0], testing::HasSubstr("taken.csv"));
    const auto shownBefore = headless.dialogs.shown.size();
    w().Text1[1].setText("abc");
    w().Command11.click();
    EXPECT_EQ(headless.dialogs.shown.size(), shownBefore);
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
