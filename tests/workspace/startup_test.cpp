// Start-up of the main window: the order of its steps shows in what the window
// looks like afterwards.
#include "main_window_fixture.h"

#include "workspace/typed_entry.h"

namespace tintara::testing {

namespace {
class StartupTest : public MainWindowTest {};
}  // namespace

TEST_F(StartupTest, WithoutConfigurationComesUpWithDefaultsAndConvertsTheDesignNotation) {
    start();
    EXPECT_EQ(w().Text12[0].text(), "5.6R");
    EXPECT_EQ(w().Text12[1].text(), "6.1");
    EXPECT_EQ(w().Text12[2].text(), "6.2");
    // Y of value 6.1 from the value polynomial, worked by hand: 31.2277.
    EXPECT_EQ(w().Text11[1].text(), "31.23");
    EXPECT_FALSE(w().Text1[0].text().empty());
    EXPECT_EQ(w().Label19.caption(), "");
    EXPECT_TRUE(w().Option1[0].value());
    EXPECT_EQ(w().Label1.caption(), "illuminant C  2\u00b0 Observer ");
    EXPECT_EQ(w().versionText, "12.24.1");
    EXPECT_EQ(w().instName, "");
    EXPECT_EQ(w().commPort, 1);
    // No instrument: Measure stays hidden, the second pass shows the rest again.
    EXPECT_FALSE(w().Command8.visible());
    EXPECT_TRUE(w().Command7.visible());
    EXPECT_TRUE(w().Label3.visible());
    EXPECT_TRUE(w().Text4.visible());
    EXPECT_EQ(w().Command8.caption(), "Measure");
    // The weights were not loaded: every curve integrates to zero.
    EXPECT_EQ(w().weights.Y[21], 0.0f);
    EXPECT_FALSE(w().deltaMode);
    EXPECT_FALSE(w().Text8.visible());
    EXPECT_FALSE(w().Picture3.visible());
    EXPECT_FALSE(w().Command3.visible());
    EXPECT_FALSE(w().import.visible());
    EXPECT_FALSE(w().VScroll7.visible());
    EXPECT_TRUE(w().Check2.visible());
    EXPECT_EQ(w().Text3.text(), "");
    EXPECT_EQ(headless.beeper.beeps, 1);
    EXPECT_EQ(w().Combo1.items().size(), 8u);
    EXPECT_EQ(w().Combo1.items()[5], "Ci5/Ci7");
}

TEST_F(StartupTest, InstrumentConfigurationShapesTheInstrumentGroup) {
    folder.write("zol.cfg", "Import\r\n 3 \r\n");
    start();
    EXPECT_EQ(w().instName, "Import");
    EXPECT_EQ(w().commPort, 3);  // the second read restores the file's port
    EXPECT_EQ(w().Combo1.text(), "Import");
    EXPECT_TRUE(w().Command8.visible());
    EXPECT_EQ(w().Command8.caption(), "Import %R");
    EXPECT_FALSE(w().Command7.visible());
    EXPECT_FALSE(w().Label3.visible());
    EXPECT_FALSE(w().Text4.visible());
    EXPECT_FLOAT_EQ(w().weights.Y[21], 9.834f);  // 560 nm
}

TEST_F(StartupTest, ConfigurationNameIsFoundWhateverItsCaseAndAShortFileIsIgnored) {
    folder.write("Zol.CFG", "CE7000\r\n 2 \r\n");
    start();
    EXPECT_EQ(w().instName, "CE7000");
    EXPECT_TRUE(w().Command8.visible());
    EXPECT_EQ(w().Command8.caption(), "Measure");

    ScratchFolder other;
    other.write("ZOL.cfg", "XTH\r\n");
    ui::HeadlessPlatform platform;
    workspace::Form1 second(platform.platform(),
                            {other.path(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}});
    std::string error;
    ASSERT_TRUE(second.Form_Load(error));
    EXPECT_EQ(second.instName, "");
    EXPECT_EQ(second.commPort, 1);
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(StartupTest, TheInstrumentChosenSurvivesARestart) {
    folder.write("ZOL.cfg", "CE7000\r\n 1 \r\n");
    start();
    w().Combo1.choose("Import");
    w().Text4.select(0, 1);
    w().Text4.type("3");
    ui::HeadlessPlatform platform;
    workspace::Form1 again(platform.platform(),
                           {folder.path(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}});
    std::string error;
    ASSERT_TRUE(again.Form_Load(error));
    // One file whatever the case of its name: the one that was there is rewritten.
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "zol.cfg"));
    EXPECT_EQ(folder.read("ZOL.cfg"), "CE7000\r\n 3 \r\n");  // a port edit writes the instrument name
    w().Combo1.choose("Import");
    workspace::Form1 third(platform.platform(),
                           {folder.path(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}});
    ASSERT_TRUE(third.Form_Load(error));
    EXPECT_EQ(third.Command8.caption(), "Import %R");
    EXPECT_FALSE(third.Command7.visible());
    EXPECT_EQ(third.commPort, 3);
}

TEST_F(StartupTest, MissingOrShortRenotationTableStopsStartUpWithItsName) {
    ScratchFolder empty;
    ui::HeadlessPlatform platform;
    workspace::Form1 missing(platform.platform(), {empty.path(), {}});
    std::string error;
    EXPECT_FALSE(missing.Form_Load(error));
    EXPECT_NE(error.find("Vezedu.dat"), std::string::npos);

    empty.write("Vezedu.dat", "3101,3163,0,0\r\n");
    workspace::Form1 shortTable(platform.platform(), {empty.path(), {}});
    error.clear();
    EXPECT_FALSE(shortTable.Form_Load(error));
    EXPECT_NE(error.find("Vezedu.dat"), std::string::npos);
}

TEST_F(StartupTest, IlluminantRoundTripRestoresTheFirstValues) {
    start();
    const auto first = workspace::shownFields(w());
    w().Option1[2].select();
    EXPECT_EQ(w().Label1.caption(), "Illuminant D65  10\u00b0 Observer ");
    EXPECT_EQ(w().Text12[0].text(), "5.6R");
    EXPECT_EQ(w().Text12[2].text(), "6.2");
    EXPECT_NE(w().Text11[0].text(), first[3].second);
    EXPECT_NE(w().Text15[1].text(), first[9].second);
    w().Option1[1].select();
    EXPECT_EQ(w().Label1.caption(), "illuminant D5000 2\u00b0 Observer ");
    w().Option1[0].select();
    EXPECT_EQ(workspace::shownFields(w()), first);
}

TEST_F(StartupTest, ServiceCodeShowsTheHiddenToolsUntilTheTextChanges) {
    start();
    w().Text3.type("kqv");
    EXPECT_TRUE(w().Command3.visible());
    EXPECT_TRUE(w().import.visible());
    EXPECT_TRUE(w().VScroll7.visible());
    w().Text3.type("x");  // typed over the selected code
    EXPECT_FALSE(w().Command3.visible());
    w().Text3.setText("kqv");
    w().Text3.select(3, 0);
    w().Text3.setText("kqvx");
    EXPECT_FALSE(w().import.visible());
    EXPECT_FALSE(w().VScroll7.visible());
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

}  // namespace tintara::testing
