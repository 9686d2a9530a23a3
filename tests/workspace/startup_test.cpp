// Start-up of the main window: the order of its steps shows in what the window
// looks like afterwards.
#include "main_window_fixture.h"

#include "workspace/typed_entry.h"

namespace tintara::testkit {

namespace {
class StartupTest : public MainWindowTest {};
}  // namespace

TEST_F(StartupTest, WithoutConfigurationComesUpWithDefaultsAndConvertsTheDesignNotation) {
    start();
    EXPECT_EQ(joined(w().Text12), "5.6R,6.1,6.2");
    // Y of value 6.1 from the value polynomial, worked by hand: 31.2277.
    EXPECT_EQ(w().Text11[1].text(), "31.23");
    EXPECT_EQ(w().Label19.caption(), "");
    EXPECT_TRUE(w().Option1[0].value());
    EXPECT_EQ(w().instName(), "");
    EXPECT_EQ(w().commPort(), 1);
    // No instrument: Measure stays hidden, the second pass shows the rest again.
    expectVisible({&w().Command8, &w().Text8, &w().Picture3, &w().Command3, &w().import, &w().VScroll7}, false);
    expectVisible({&w().Command7, &w().Label3, &w().Text4, &w().Check2, &w().Frame2}, true);
    EXPECT_EQ(w().Command8.caption(), "Measure");
    // The weights were not loaded: every curve integrates to zero.
    EXPECT_EQ(w().weights().Y[21], 0.0f);
    EXPECT_FALSE(w().deltaMode());
    EXPECT_EQ(w().Text3.text(), "");
    EXPECT_EQ(headless.beeper.beeps, 1);
}

TEST_F(StartupTest, InstrumentConfigurationShapesTheInstrumentGroup) {
    folder.write("zol.cfg", "Import\r\n 3 \r\n");
    start();
    EXPECT_EQ(w().instName(), "Import");
    EXPECT_EQ(w().commPort(), 3);  // the second read restores the file's port
    EXPECT_EQ(w().Combo1.text(), "Import");
    EXPECT_TRUE(w().Command8.visible());
    EXPECT_EQ(w().Command8.caption(), "Import %R");
    expectVisible({&w().Command7, &w().Label3, &w().Text4}, false);
    EXPECT_FLOAT_EQ(w().weights().Y[21], 9.834f);  // 560 nm
}

// The file is found whatever the case of its name, and the one there is rewritten.
TEST_F(StartupTest, InstrumentListAndPortBoxKeepTheChoiceAcrossARestart) {
    folder.write("ZOL.cfg", "CE7000\r\n 1 \r\n");
    start();
    w().Combo1.choose("Import");
    EXPECT_EQ(folder.read("ZOL.cfg"), "Import\r\n 1 \r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "zol.cfg"));
    EXPECT_EQ(w().instName(), "CE7000");  // the list click leaves the instrument name
    const std::pair<const char*, int> edits[] = {{"7", 1}, {"4", 4}, {"", 4}, {"x", 4}, {"3", 3}};
    for (const auto& [typed, port] : edits) {
        w().Text4.setText(typed);
        EXPECT_EQ(w().commPort(), port) << typed;
    }
    EXPECT_EQ(folder.read("ZOL.cfg"), "CE7000\r\n 3 \r\n");  // a port edit writes the instrument name
    w().Combo1.choose("Import");
    ui::HeadlessPlatform platform;
    const auto again = startedWindow(platform, folder.path());
    EXPECT_EQ(again->Command8.caption(), "Import %R");
    expectVisible({&again->Command7, &again->Text4}, false);
    EXPECT_EQ(again->commPort(), 3);
}

// 5.6R 6.1/6.2 interpolated by hand in the renotation table, adapted from C by
// the Bradford transform, then L*a*b* against each white and display RGB.
TEST_F(StartupTest, EachIlluminantShowsItsOwnValuesForTheSameNotation) {
    start();
    const auto first = workspace::shownFields(w());
    const struct {
        int button;
        const char *caption, *xyz, *xy, *lab, *rgb;
    } cases[] = {
        {2, "Illuminant D65  10\u00b0 Observer ", "36.86,31.17,24.07", "0.4002,0.3385", "62.65,25.89,14.10",
         "201,132,126"},
        {1, "illuminant D5000 2\u00b0 Observer ", "38.16,31.55,18.49", "0.4327,0.3577", "62.97,26.72,14.66",
         "204,132,126"},
        {0, "illuminant C  2\u00b0 Observer ", "37.80,31.23,26.51", "0.3956,0.3269", "62.70,24.64,14.18",
         "199,133,126"},
    };
    for (const auto& k : cases) {
        w().Option1[k.button].select();
        EXPECT_EQ(w().Label1.caption(), k.caption);
        EXPECT_EQ(joined(w().Text12), "5.6R,6.1,6.2");
        EXPECT_EQ(joined(w().Text11), k.xyz) << k.button;
        EXPECT_EQ(joined(w().Text18), k.xy) << k.button;
        EXPECT_EQ(joined(w().Text15), k.lab) << k.button;
        EXPECT_EQ(joined(w().Text1), k.rgb) << k.button;
        EXPECT_EQ(w().Label19.caption(), "");
    }
    EXPECT_EQ(workspace::shownFields(w()), first);
}

TEST_F(StartupTest, ServiceCodeShowsTheHiddenToolsUntilTheTextChanges) {
    start();
    w().Text3.type("kqv");
    expectVisible({&w().Command3, &w().import, &w().VScroll7}, true);
    w().Text3.type("x");  // typed over the selected code
    EXPECT_FALSE(w().Command3.visible());
    w().Text3.setText("kqv");
    w().Text3.select(3, 0);
    w().Text3.setText("kqvx");
    expectVisible({&w().import, &w().VScroll7}, false);
    EXPECT_TRUE(w().Frame2.visible());
}

TEST_F(StartupTest, ExitEndsTheProgramWithoutAQuestion) {
    start();
    int exits = 0;
    w().onExit = [&] { ++exits; };
    w().Command2.click();
    EXPECT_EQ(exits, 1);
    w().close();
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(headless.dialogs.shown.empty());
}

}  // namespace tintara::testkit
