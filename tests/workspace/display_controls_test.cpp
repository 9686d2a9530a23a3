// Swatch click, gamma, white balance, printing and "Save to Palette".
#include "main_window_fixture.h"

#include <cmath>

#include <gmock/gmock.h>

namespace tintara::testkit {

class DisplayControlsTest : public StartedWindowTest {};

// The start-up colour's linear red, 0.5853 (X Y Z 37.80 31.23 26.51 through
// the display matrix), is R 199 at gamma 2.2, 205 at 2.5 (205.8) and 202 at
// 2.3 (202.03).
TEST_F(DisplayControlsTest, GammaBoxAndBarKeepEachOtherInStep) {
    w().Text5.select(0, 3);  // "2.2" typed over; the current colour is redrawn
    w().Text5.type("2.5");
    EXPECT_EQ(std::to_string(w().VScroll8.value()) + " " + w().Text1[0].text(), "25 205");
    w().VScroll8.setValue(22);
    w().Text5.select(0, 3);
    w().Text5.type("2.26");  // 22 -> 23 and the box is normalised
    EXPECT_EQ(w().Text5.text(), "2.3");
    for (const char* ignored : {"0.8", "4", "", "abc"}) {
        w().Text5.setText(ignored);
        EXPECT_EQ(std::to_string(w().VScroll8.value()) + " " + w().Text1[0].text(), "23 202") << ignored;
    }
    // What scripts type goes through the same range, on both sides of its top.
    EXPECT_TRUE(!workspace::typeGamma(w(), "3.01") && w().VScroll8.value() == 23);
    EXPECT_TRUE(workspace::typeGamma(w(), "3") && w().VScroll8.value() == 30);
}

TEST_F(DisplayControlsTest, WhiteBalanceTintsTheWindowWithoutReconverting) {
    w().VScroll7.setValue(50);
    const auto& gain = w().display().gain;
    EXPECT_TRUE(gain[1] == 1.0f && std::fabs(gain[2] - 0.694) < 0.001 && gain[3] == 0.5f) << gain[2];
    for (const auto& tint : {w().Text12[0].backColor(), w().Text3.backColor()})
        EXPECT_EQ(tint, (ui::Rgb{255, 177, 128}));
    for (const auto& tint : {w().Label8.backColor(), w().Command8.backColor(), std::optional(w().background())})
        EXPECT_EQ(tint, (ui::Rgb{200, 139, 100}));
    EXPECT_TRUE(!w().Picture2.visible() && joined(w().Text1) == "199,133,126");
    w().VScroll7.setValue(100);
    EXPECT_TRUE(w().Picture2.visible() && w().Text12[0].backColor() == ui::white);
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
    EXPECT_EQ(joined(w().Text1) + " " + w().Text12[0].text(), "255,120,40 " + clicked[0].second);  // boxes only
    EXPECT_EQ(headless.events.count(), 1);
}

TEST_F(DisplayControlsTest, PrintGoesToThePrinterOrAPdfAndItsErrorsAreNotReported) {
    w().printB.click();
    EXPECT_TRUE(headless.printer.printed == std::vector<std::string>{"Form1"} && w().Text3.text().empty());
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
    w().printB.click();  // errors are not reported
    EXPECT_TRUE(headless.dialogs.shown.empty() && w().Text3.text().empty());
}

// "Save to Palette": the record, the questions, and the file.
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
    const std::string first = R"("03-07-2026","09:05:04","Brick ""red""",)" + startUpFields + "\r\n";
    EXPECT_EQ(w().paletteFile + ": " + folder.read("mine.csv"), "mine.csv: " + first);

    headless.clock.setDate({2026, 3, 7, 23, 59, 58});
    save({"b"});
    EXPECT_EQ(headless.dialogs.shown.size(), 3u);
    const std::string both = first + R"("03-07-2026","23:59:58","b",)" + startUpFields + "\r\n";
    EXPECT_EQ(folder.read("mine.csv"), both);
    save({"FILE", "two.CSV", "c"});  // an extension typed is kept
    EXPECT_EQ(w().paletteFile + ": " + folder.read("two.CSV"),
              R"(two.CSV: "03-07-2026","23:59:58","c",)" + startUpFields + "\r\n");
    EXPECT_EQ(folder.read("mine.csv"), both);

    w().paletteFile.clear();
    save({std::nullopt});  // a name cancelled saves nothing
    EXPECT_TRUE(w().paletteFile.empty());
}

// The record takes the RGB boxes as typed and the linear fields and the bars
// the limited values; a file that cannot be written is named; RGB text that
// is no number is refused before any question.
TEST_F(PaletteTest, RgbBoxesAreLimitedUnwritableFileIsReportedAndRgbTextMustBeNumbers) {
    for (int i = 0; i < 3; ++i) w().Text1[i].setText(std::vector<std::string>{"300", "-5", "128"}[i]);
    save({"p", "t"});
    EXPECT_EQ(rgbBars(), (std::vector<int>{255, 0, 128}));
    EXPECT_THAT(folder.read("p.csv"), testing::HasSubstr(R"("14.18",1,0,0.21951973,"300","-5","128",)"));

    std::filesystem::create_directory(folder.path() / "taken.csv");
    w().paletteFile.clear();
    save({"taken", "t"});
    EXPECT_THAT(headless.dialogs.messages(), testing::ElementsAre(testing::HasSubstr("taken.csv")));
    const auto shownBefore = headless.dialogs.shown.size();
    w().Text1[1].setText("abc");
    w().Command11.click();
    EXPECT_EQ(w().Text3.text(), "R, G and B must be numbers to save the colour to the palette");
    EXPECT_EQ(headless.dialogs.shown.size(), shownBefore);  // refused before any question
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
