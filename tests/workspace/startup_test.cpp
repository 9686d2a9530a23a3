// Start-up of the main window: the order of its steps shows in what the window
// looks like afterwards.
#include "main_window_fixture.h"

namespace tintara::testkit {

class StartupTest : public MainWindowTest {};

// 5.6R 6.1/6.2 interpolated by hand in the renotation table (Y of value 6.1
// from the value polynomial: 31.2277), adapted from C by the Bradford
// transform, then L*a*b* against each white and display RGB.
TEST_F(StartupTest, WithoutConfigurationComesUpWithDefaultsAndEachIlluminantShowsItsOwnValues) {
    start();
    EXPECT_TRUE(w().Option1[0].value());
    EXPECT_EQ(w().instName() + std::to_string(w().commPort()), "1");
    // No instrument: Measure stays hidden, the second pass shows the rest again.
    expectVisible({&w().Command8, &w().Text8, &w().Picture3, &w().Command3, &w().import, &w().VScroll7}, false);
    expectVisible({&w().Command7, &w().Label3, &w().Text4, &w().Check2, &w().Frame2}, true);
    EXPECT_EQ(w().Command8.caption(), "Measure");
    EXPECT_EQ(w().weights().Y[21], 0.0f);  // not loaded: every curve integrates to zero
    EXPECT_FALSE(w().deltaMode());
    EXPECT_EQ(headless.beeper.beeps, 1);
    const auto first = workspace::shownFields(w());
    const struct {
        int button;
        const char *caption, *xyz, *xy, *lab, *rgb;
    } cases[] = {
        {0, "illuminant C  2\u00b0 Observer ", "37.80,31.23,26.51", "0.3956,0.3269", "62.70,24.64,14.18",
         "199,133,126"},
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
        EXPECT_EQ(joined(w().Text12) + " " + joined(w().Text11) + " " + joined(w().Text18) + " " + joined(w().Text15) +
                      " " + joined(w().Text1) + w().Label19.caption() + w().Text3.text(),
                  std::string("5.6R,6.1,6.2 ") + k.xyz + " " + k.xy + " " + k.lab + " " + k.rgb)
            << k.button;
    }
    EXPECT_EQ(workspace::shownFields(w()), first);
}

// The file is found whatever the case of its name, and the one there is
// rewritten; the list click leaves the instrument name, a port edit writes it.
TEST_F(StartupTest, InstrumentConfigurationShapesTheGroupAndKeepsTheChoiceAcrossARestart) {
    folder.write("ZOL.cfg", "Import\r\n 3 \r\n");
    start();
    EXPECT_EQ(w().instName() + w().Combo1.text() + std::to_string(w().commPort()), "ImportImport3");
    EXPECT_TRUE(w().Command8.visible());
    EXPECT_EQ(w().Command8.caption(), "Import %R");
    expectVisible({&w().Command7, &w().Label3, &w().Text4}, false);
    EXPECT_FLOAT_EQ(w().weights().Y[21], 9.834f);  // 560 nm

    folder.write("ZOL.cfg", "CE7000\r\n 1 \r\n");
    start();
    w().Combo1.choose("Import");
    EXPECT_EQ(folder.read("ZOL.cfg"), "Import\r\n 1 \r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "zol.cfg"));
    EXPECT_EQ(w().instName(), "CE7000");
    const std::pair<const char*, int> edits[] = {{"7", 1}, {"4", 4}, {"", 4}, {"x", 4}, {"3", 3}};
    for (const auto& [typed, port] : edits) {
        w().Text4.setText(typed);
        EXPECT_EQ(w().commPort(), port) << typed;
    }
    EXPECT_EQ(folder.read("ZOL.cfg"), "CE7000\r\n 3 \r\n");
    w().Combo1.choose("Import");
    start();  // the choice comes back with the next start
    EXPECT_EQ(w().Command8.caption() + std::to_string(w().commPort()), "Import %R3");
}

TEST_F(StartupTest, ServiceCodeShowsTheHiddenToolsUntilTheTextChangesAndExitAsksNothing) {
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
    int exits = 0;
    w().onExit = [&] { ++exits; };
    w().Command2.click();
    EXPECT_EQ(exits, 1);
    w().close();
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(headless.dialogs.shown.empty());
}

}  // namespace tintara::testkit
