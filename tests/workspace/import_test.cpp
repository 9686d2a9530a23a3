// The service mode, driven as a person does: the code typed into the message
// line, "Import" or "Make Table", the type, the file dialog and the palette
// name answered, on a disk that can fill up; and files of hostile sizes where
// the window reads outside text. Expected lines are written out by hand:
// 5R 4/14 and 5B 5/10 are samples of the renotation data (x, y read from it,
// Y from the value polynomial, L*a*b* against the C white, RGB through the
// display matrix and gamma 2.2), 5R 5/0 is the neutral at Y = 19.766.
#include <algorithm>

#include <gmock/gmock.h>

#include "charts/CChecker.h"
#include "full_disk.h"
#include "main_window_fixture.h"
#include "viewer3d/form3.h"

namespace tintara::testkit {
namespace {

// Lines ended by CR LF, as the program writes them.
std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// The tolerance chart, as it was first drawn, lowers chart mode after its own
// conversions instead of putting it back.
class ChartThatLowersChartMode : public workspace::CompanionWindows {
public:
    explicit ChartThatLowersChartMode(workspace::Form1& w) : w_(w) {}
    bool available(workspace::Companion) const override { return true; }
    void show(workspace::Companion) override {}
    void hide(workspace::Companion) override {}
    bool visible(workspace::Companion) const override { return true; }
    void fillbook() override {}
    void plotvalue(float) override {}
    void MakeCTol(float, float, float) override {
        ++drawn;
        w_.chartMode = false;
    }
    void fillCC() override {}
    void GetData(int) override {}
    int drawn = 0;

private:
    workspace::Form1& w_;
};

class ServiceModeTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        headless.clock.setDate({2026, 3, 7, 9, 5, 4});
    }
    // Typing the code into the message line shows "Import" and "Make Table".
    void openServiceMode() {
        w().Text3.select(0, int(w().Text3.text().size()));
        w().Text3.type("kqv");
        ASSERT_TRUE(w().import.visible());
    }
    // "Import", answering "Type import" with the code and the questions after
    // it (the palette name) with `then`.
    void pressImport(const std::string& code, std::initializer_list<std::string> then = {}) {
        openServiceMode();
        headless.dialogs.answerInput(code);
        for (const auto& answer : then) headless.dialogs.answerInput(answer);
        w().import.click();
    }
    std::vector<std::string> messages() const { return headless.dialogs.messages(); }
    std::string lastMessage() const {
        const auto shown = headless.dialogs.messages();
        return shown.empty() ? "(none)" : shown.back();
    }
    // Files in the working folder: a temporary output left behind shows here.
    int files() const { return int(std::distance(std::filesystem::directory_iterator(folder.path()), {})); }
    // A run that stopped: its message, and what the folder holds.
    void expectStopped(const std::string& message, int fileCount) {
        EXPECT_EQ(lastMessage(), message);
        EXPECT_EQ(files(), fileCount);
        EXPECT_FALSE(w().serviceOutcome().completed);
    }
    std::string at(const std::string& name) const { return (folder.path() / name).string(); }
};

const std::string brick = "22.51,12.00,4.75,41.22,59.51,30.17";    // 5R 4/14, RGB 186 38 54
const std::string grey = "19.38,19.77,23.35,51.57,-.03,.04";       // 5R 5/0, RGB 122 122 121
const std::string blue = "14.56,19.77,49.89,51.57,-26.50,-33.51";  // 5B 5/10, R below 0

class ImportTest : public ServiceModeTest {};

// The charts sit the run out and catch up with its last sample at the end; a
// chart that lowers chart mode under the run changes no row, and chart mode
// is put back as it was.
TEST_F(ImportTest, ChartModeIsPutBackAsItWasAndStepsFileRowsTotalsAndSamplesNotConverted) {
    ChartThatLowersChartMode chart(w());
    w().setCompanions(&chart);
    w().Check3.setValue(1);
    folder.write("steps.txt", crlf({"5R\t4\t14", "5R\t5\t0", "5B\t5\t10", "5R\t-1\t4", "5R\t4\tx"}));
    pressImport("3");
    EXPECT_EQ(chart.drawn, 2);
    w().setCompanions(companions.get());
    w().Check3.setValue(0);
    // In chart mode an out-of-gamut colour keeps its clamped components.
    EXPECT_EQ(folder.read("stepsMUNSELL.txt"),
              crlf({"H,V,C,X,Y,Z,L*,a*,b*,R,G,B", "5R,4,14," + brick + ", 186 , 38 , 54 ",
                    "5R,5,0," + grey + ", 122 , 122 , 121 ", "5B,5,10," + blue + ", 0 , 136 , 177 ",
                    "5R,-1,4,not converted,,,,,,,,", "5R,4,x,not converted,,,,,,,,"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"Total colors 5  Colors not displayed 1  Not converted 2: line 4 "
                                                   "(Value must not be negative), line 5 (chroma x is not a number)"});
    EXPECT_EQ(w().Text3.text() + "|" + w().Label6.caption(),
              "Imported 5 samples from steps.txt into stepsMUNSELL.txt, 2 not converted|steps.txt");
    // Chart mode is lowered and the last sample converted fills every field.
    EXPECT_FALSE(w().chartMode);
    EXPECT_EQ(joined(w().Text12) + " " + joined(w().Text1) + " " + w().Label19.caption(),
              "5B,5,10 0,0,0 Out of RGB Range");
    EXPECT_TRUE(w().serviceOutcome().completed);

    // A line without two tabs stops the next run, and the output keeps its content.
    folder.write("steps.txt", crlf({"5R\t4\t14", "5R 4\t14"}));
    folder.write("stepsMUNSELL.txt", "previous");
    pressImport("3");
    expectStopped(
        "steps.txt line 2 has no two tabs; a record is hue, value and chroma separated by two tabs. The "
        "import stopped; stepsMUNSELL.txt keeps what it held before.",
        2);
    EXPECT_EQ(folder.read("stepsMUNSELL.txt"), "previous");
    // The main window works as before.
    EXPECT_TRUE(!w().chartMode && w().Option1[1].enabled() && !w().stopImport.visible());
    w().chartMode = true;
    folder.write("steps.txt", crlf({"5B\t5\t10"}));
    pressImport("3");
    EXPECT_TRUE(w().chartMode);
}

TEST_F(ImportTest, AMissingOrEmptyInputOrNoTypeOrNoFileLeavesThePreviousOutputAlone) {
    folder.write("stepsMUNSELL.txt", "previous");
    pressImport("3");
    EXPECT_EQ(lastMessage(), "File not found: " + at("steps.txt"));
    folder.write("steps.txt", crlf({"", "  \t"}));
    pressImport("3");
    EXPECT_EQ(headless.dialogs.shown.back().title + ": " + lastMessage(), "Import steps.txt: File not found");
    EXPECT_EQ(folder.read("stepsMUNSELL.txt"), "previous");
    folder.write("RHScolorsMUNSELL.txt", "previous");
    pressImport("2");
    EXPECT_EQ(lastMessage(), "File not found: " + at("RHScolors.txt"));
    EXPECT_TRUE(folder.read("RHScolorsMUNSELL.txt") == "previous" && !w().chartMode);

    // An answer that names no type, or the question cancelled, does nothing; a
    // cancelled file dialog ends the import with a note.
    headless.dialogs.shown.clear();
    for (const char* answer : {"XYZ", " 3", "3 ", "7"}) pressImport(answer);
    openServiceMode();
    w().import.click();  // the question cancelled
    EXPECT_EQ(headless.dialogs.shown.size(), 5u);
    for (const auto& d : headless.dialogs.shown) EXPECT_EQ(d.prompt, "Type import");
    EXPECT_TRUE(headless.dialogs.shown[0].title.empty() && files() == 3 && w().Text3.text() == "kqv");

    pressImport("0");
    EXPECT_EQ(w().Text3.text(), "Import: no file was chosen");
    EXPECT_TRUE(files() == 3 && !w().serviceOutcome().completed);
}

// Outside chart mode an out-of-gamut colour comes back black, with the inks of
// its clamped linear colour. A number no box takes would be read as 0 by the
// Munsell entry (5R 4/0), so it is not converted.
TEST_F(ImportTest, MunsellFileChosenInTheDialog) {
    folder.write("mine.csv", crlf({"H,V,C", "5R,4,14", "", "5B,5,10", "5R,4,1e40", "5R,x,2"}));
    headless.dialogs.answerFile("mine.csv");
    pressImport("0");  // Munsell notations in a file chosen in the dialog
    const auto& chooser = headless.dialogs.shown[1];
    EXPECT_TRUE(chooser.kind == ui::ShownDialog::Kind::OpenFile && chooser.defaultText == "*.csv|*.csv");
    EXPECT_EQ(folder.read("tempOUT.txt"),
              crlf({"5R,4,14," + brick + ", 186 , 38 , 54 ,20,77,71,6", "5B,5,10," + blue + ", 0 , 0 , 0 ,89,36,20,10",
                    "5R,4,1e40,not converted,,,,,,,,,,,,", "5R,x,2,not converted,,,,,,,,,,,,"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"Not converted 2: line 5 (chroma 1e40 is out of range), line 6 "
                                                   "(value x is not a number)"});
    EXPECT_EQ(w().Text3.text(), "Imported 4 samples from mine.csv into tempOUT.txt, 2 not converted");

    std::filesystem::create_directory(folder.path() / "folder.csv");
    headless.dialogs.answerFile("folder.csv");
    pressImport("0");
    EXPECT_EQ(lastMessage(), "Not a file: " + at("folder.csv"));
    // A folder of the output's name is found before any sample is converted.
    std::filesystem::remove(folder.path() / "tempOUT.txt");
    std::filesystem::create_directory(folder.path() / "tempOUT.txt");
    w().Text12[0].setText("5.6R");
    headless.dialogs.answerFile("mine.csv");
    pressImport("0");
    EXPECT_EQ(lastMessage(), "Cannot write " + at("tempOUT.txt") + ": a folder has that name. Nothing was imported.");
    EXPECT_EQ(w().Text12[0].text(), "5.6R");
}

TEST_F(ImportTest, ColorCheckerAndRhsChartCopyTheirHeaderAndNames) {
    folder.write("ccnames.csv", crlf({"No,Name,Hue,Value,Chroma", "1,dark skin,5R,4,14", "2,\"blue, deep\",5B,5,10"}));
    pressImport("4");
    EXPECT_EQ(
        folder.read("cchecker.csv"),
        crlf({"Tintara - Munsell Colour Workbench  Tintara 12.24.1, from the Munsell renotation data (Newhall, "
              "Nickerson and Judd, 1943)",
              "If R G B value is 0 or 255 the color is out of the gamut of a CRT and is for approximation only  "
              "Illuminant C 2 degree observer  Kellerby  March 12 2002",
              "No,Name,Hue,Value,Chroma,X,Y,Z,L*,a*,b*,R,G,B", "1,dark skin,5R,4,14," + brick + ", 186 , 38 , 54 ",
              "2,\"blue, deep\",5B,5,10," + blue + ", 0 , 136 , 177 "}));
    EXPECT_EQ(lastMessage(), "Total colors 2  Colors not displayed 1");

    folder.write("RHScolors.txt", crlf({"Fan,Group,Ref,Hue,Value,Chroma", "1,Red,46A,5R,4,14", "1,Grey,N1,N,5,0"}));
    pressImport("2");
    EXPECT_EQ(folder.read("RHScolorsMUNSELL.txt"),
              crlf({"Tintara - Munsell Colour Workbench", "Fan,Group,Ref,Hue,Value,Chroma,X,Y,Z,L*,a*,b*,R,G,B",
                    "1,Red,46A," + brick + ", 186 , 38 , 54 ", "1,Grey,N1,not converted,,,,,,,,"}));
    EXPECT_EQ(lastMessage(),
              "Total colors 2  Colors not displayed 0  Not converted 1: line 3 (hue N names no hue "
              "family)");
}

std::string spectrumLine(const std::string& names, const std::string& value, const std::string& rest, int count = 40) {
    std::string line = names;
    for (int i = 0; i < count; ++i) line += "," + value;
    return line + rest;
}

std::string zone(const std::string& item) { return item + std::string(14 - item.size(), ' '); }

// A run without an instrument: the weights are loaded for the spectra, so a
// flat 50 % curve gives X = 49.037, Y = 50.000, Z = 59.115 (the table's
// columns halved, summed in single precision), value 7.46, a neutral within
// the weights' rounding. A black curve is the neutral black.
TEST_F(ImportTest, SpectraInPrintZonesWithTheWeightsLoadedAndAValueTooFewNamesItsLine) {
    folder.write("munfile1.txt",
                 crlf({spectrumLine("S1,tile,A", "50", ",glossy"), spectrumLine("S2,black,", "0", "")}));
    pressImport("1");
    std::string fifty, zeros;
    for (int i = 0; i < 39; ++i) fifty += zone(" 50 "), zeros += zone(" 0 ");
    const std::string empty(14, ' ');
    EXPECT_EQ(
        folder.read("munout.txt"),
        crlf({"Tintara - Munsell Colour Workbench",
              zone("S1") + zone("tile") + zone("A") + zone("5.32P") + zone("7.46") + zone("0.02") +
                  zone(" 49.037006 ") + zone(" 49.999996 ") + zone(" 59.114994 ") + zone("glossy") + fifty + " 50 ",
              zone("S2") + zone("black") + empty + zone(".00R") + zone("0.50") + zone("0.00") + zone(" 0 ") +
                  zone(" 0 ") + zone(" 0 ") + empty + zeros + " 0 "}));
    EXPECT_TRUE(w().Text12[1].text() == "0.50" && messages().empty());
    // A spectrum of 39 values names its line instead of shifting every row
    // after it; nothing is written.
    std::filesystem::remove(folder.path() / "munout.txt");
    folder.write("munfile1.txt", crlf({spectrumLine("S1,a,b", "50", ""), spectrumLine("S2,a,b", "50", "", 39),
                                       spectrumLine("S3,a,b", "50", "")}));
    pressImport("1");
    expectStopped(
        "munfile1.txt line 2 holds 42 fields; a record is three names and 40 reflectances (43 fields). "
        "The import stopped; no munout.txt was written.",
        1);
}

TEST_F(ImportTest, XyzSamplesGoToThePaletteWithTheirTagsOnceOneIsNamed) {
    folder.write("samples.csv", crlf({"tag,X,Y,Z", "a,20,20,20", "b,30,30,30"}));
    headless.dialogs.answerFile("samples.csv");
    pressImport("xyz");  // the palette name not answered
    EXPECT_EQ(w().Text3.text(),
              "The sample of line 2 of samples.csv was not saved: no palette file was named. The import stopped; no "
              "sample was saved to the palette.");
    EXPECT_TRUE(headless.dialogs.shown.size() == 3u && files() == 1 && !w().serviceOutcome().completed);
    headless.dialogs.shown.clear();
    folder.write("samples.csv", crlf({"tag,X,Y,Z", "brick,22.50974,12.00075,4.74612", "nothing,0,0,0",
                                      "grey,19.378675,19.766125,23.346899"}));
    headless.dialogs.answerFile("samples.csv");
    pressImport("xyz", {"mine"});
    // The record's fields are proven with the palette files; here the tag, the
    // notation, and black saved as the neutral black like any other sample.
    const std::string palette = folder.read("mine.csv");
    EXPECT_THAT(palette, testing::HasSubstr(R"("03-07-2026","09:05:04","brick","5.00R","4.00","14.00","22.50974",)"));
    EXPECT_THAT(palette, testing::HasSubstr(R"("09:05:04","nothing",".00R","0.50","0.00",)"));
    EXPECT_EQ(std::count(palette.begin(), palette.end(), '\n'), 3);
    // The type, the file and the palette name, once.
    EXPECT_TRUE(headless.dialogs.shown.size() == 3u && messages().empty());
}

TEST_F(ImportTest, AWriteThatFailsPartWayLeavesThePreviousOutputWholeAndLabRowsAreNumbered) {
    folder.write("lab_sRGB.csv", crlf({"L*,a*,b*", "50,0,0", "60,0,0"}));
    folder.write("lab_sRGB.txt", "previous");
    FullDisk disk(60);  // the header and part of the first row
    w().writeSeam = &disk;
    pressImport("6");
    expectStopped("Could not write " + at("lab_sRGB.txt") +
                      ": No space left on device. The import stopped after 1 sample; lab_sRGB.txt keeps what it held "
                      "before.",
                  2);
    EXPECT_EQ(folder.read("lab_sRGB.txt"), "previous");

    w().writeSeam = nullptr;
    headless.dialogs.shown.clear();
    // L*a*b* of 5R 4/14 against the white that the L*a*b* entry reads with.
    folder.write("lab_sRGB.csv", crlf({"L*,a*,b*", "41.2174,59.5411,30.1449", "-20,0,0"}));
    pressImport("6");
    EXPECT_EQ(folder.read("lab_sRGB.txt"),
              crlf({"#,Hue,Value,Chroma,X,Y,Z,L*,a*,b*,R,G,B",
                    " 1 ,5.00R,4.00,14.00,22.51,12.00,4.75,41.2174,59.5411,30.1449, 186 , 38 , 54 ",
                    " 2 ,not converted,,,,,,-20,0,0,,,"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"Not converted 1: line 3 (L* must not be below -16)"});
}

// A person presses Stop while the import lets events run; the settings that
// would change its numbers are locked meanwhile.
TEST_F(ImportTest, StopEndsALongImportAndTheWindowComesBackAsItWas) {
    std::string big = "H,V,C\r\n";
    for (int i = 0; i < 300; ++i) big += "5R,4,14\r\n";
    folder.write("big.csv", big);
    headless.dialogs.answerFile("big.csv");
    std::string progress;
    headless.events.onEachPass = [&] {
        if (headless.events.count() == 100)
            progress = w().Text3.text() + (w().stopImport.visible() ? " Stop" : "") +
                       (w().Option1[2].enabled() || w().Check1.enabled() || w().Command3.enabled() ? "" : " locked");
        if (headless.events.count() == 150) w().stopImport.click();
    };
    pressImport("0");
    EXPECT_EQ(progress, "Importing big.csv: line 101 of 301 Stop locked");
    EXPECT_EQ(w().Text3.text(), "Import stopped at line 152 of big.csv; no tempOUT.txt was written.");
    EXPECT_TRUE(files() == 1 && !w().stopImport.visible() && w().Option1[2].enabled() && w().Check1.enabled() &&
                w().Command3.enabled());
    EXPECT_EQ(w().serviceOutcome().converted, 150);
}

// Files of hostile sizes are refused without being read whole (they are
// sparse: a read of the whole would take a gigabyte of memory).
class HostileSizesTest : public ServiceModeTest {
protected:
    void gigabyteFile(const std::string& name) {
        folder.write(name, "");
        std::filesystem::resize_file(folder.path() / name, std::uintmax_t(1) << 30);
    }
};

TEST_F(HostileSizesTest, AGigabyteSampleFileIsRefusedWithItsSizeAndThePreviousOutputStays) {
    folder.write("stepsMUNSELL.txt", "previous");
    gigabyteFile("steps.txt");
    pressImport("3");
    EXPECT_EQ(lastMessage(), at("steps.txt") + " holds 1024 MB; a sample file is at most 64 MB. Nothing was imported.");
    EXPECT_EQ(folder.read("stepsMUNSELL.txt"), "previous");
    EXPECT_FALSE(w().chartMode);
}

TEST_F(HostileSizesTest, AGigabyteLastPaletteIsNoNameAndTheViewerOpensTheDefault) {
    gigabyteFile("LastPalette.txt");
    folder.write("newpalette2.csv",
                 "\"12-06-2026\",\"09:30:00\",\"brick\",\"5R\",\"4\",\"10\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n");
    w().Check7.click();
    EXPECT_EQ(companions->paletteViewer().tables().palCount, 1);
    EXPECT_EQ(companions->paletteViewer().Text1.text(), "Loaded Palette newpalette2.csv");
}

TEST_F(HostileSizesTest, AGigabyteColorCheckerFileLeavesTheChartEmptyAndSaysWhy) {
    gigabyteFile("ccnames.csv");
    w().Check5.click();
    EXPECT_EQ(companions->colorChecker().Label2.caption(), at("ccnames.csv") + " is larger than 1048576 bytes");
    EXPECT_TRUE(companions->colorChecker().Shape1[0].empty);
}

// "Make Table" of the service mode: the file under the window's illuminant,
// "Done" once it is whole, nothing else in the window touched. The line is the
// neutral at value 1 worked out by hand (Y = 1.2101 from the value polynomial,
// the C white's x, y); the table under D65 is checked through tintara-cli.

class TableTest : public ServiceModeTest {
protected:
    // The line of the table that starts with `start`, without its end.
    std::string row(const std::string& start) {
        const std::string text = folder.read("muntable2.prn");
        const auto at = text.find(start);
        return at == std::string::npos ? "(none)" : text.substr(at, text.find("\r\n", at) - at);
    }
};

// The tolerance chart is not redrawn for the table's colours, and the
// window's conversions are not used, so the open chart changes nothing:
// 5B 5/10 keeps its clamped components (R below 0).
TEST_F(TableTest, AFailedWriteSaysSoInsteadOfDoneAndAWholeOneIsDoneWithTheWindowAndAnOpenChartUntouched) {
    folder.write("muntable2.prn", "previous");
    FullDisk disk(100000);
    w().writeSeam = &disk;
    openServiceMode();
    w().Command3.click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Could not write " + at("muntable2.prn") +
                                                   ": No space left on device. The previous muntable2.prn keeps what "
                                                   "it held."});
    EXPECT_EQ(folder.read("muntable2.prn"), "previous");
    EXPECT_TRUE(files() == 1 && !w().serviceOutcome().completed);
    w().writeSeam = nullptr;
    headless.dialogs.shown.clear();
    ChartThatLowersChartMode chart(w());
    w().setCompanions(&chart);
    w().Check3.setValue(1);
    auto before = workspace::shownFields(w());
    before.back().second = "kqv";  // the message line holds the service code that opened "Make Table"
    openServiceMode();
    w().Command3.click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Done"});
    EXPECT_EQ(row("Tintara"),
              "Tintara - Munsell Colour Workbench  Tintara 12.24.1, from the Munsell renotation data "
              "(Newhall, Nickerson and Judd, 1943)");
    EXPECT_EQ(row("Angle"), "Angle\tHue\tValue\tChroma\tX\tY\tZ\tL*\ta*\tb*\tR\tG\tB");
    EXPECT_EQ(row(" 0 \t.00R\t 1 \t"), " 0 \t.00R\t 1 \t 0 \t1.19\t1.21\t1.43\t10.63\t-.01\t.02\t34\t34\t34");
    EXPECT_THAT(row(" 65 \t5.00B\t 5 \t 10 \t"), testing::EndsWith("\t0\t136\t177"));
    EXPECT_EQ(workspace::shownFields(w()), before);
    EXPECT_EQ(chart.drawn, 1);  // when it was ticked
    EXPECT_TRUE(!w().chartMode && w().serviceOutcome().completed && w().serviceOutcome().converted > 5000 &&
                files() == 1);
    w().setCompanions(companions.get());
}

}  // namespace
}  // namespace tintara::testkit
