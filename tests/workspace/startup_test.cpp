// Start-up of the main window: the order of its steps shows in what the window
// looks like afterwards; the files it reads and writes as they are found on a
// real disk; the instrument group and a measurement through it.
#include "full_disk.h"
#include "main_window_fixture.h"

#include <sys/stat.h>

#include "ui/headless/scripted_serial_port.h"

namespace tintara::testkit {

class StartupTest : public MainWindowTest {};

// 5.6R 6.1/6.2 interpolated by hand in the renotation table (Y of value 6.1
// from the value polynomial: 31.2277), adapted from C by the Bradford
// transform, then L*a*b* against each white and display RGB.
TEST_F(StartupTest, WithoutConfigurationComesUpWithDefaultsAndEachIlluminantShowsItsOwnValues) {
    start();
    EXPECT_TRUE(w().Option1[0].value() && w().instName().empty() && w().commPort() == 1);
    // No instrument: Measure stays hidden, the second pass shows the rest again.
    expectVisible({&w().Command8, &w().Text8, &w().Picture3, &w().Command3, &w().import, &w().VScroll7}, false);
    expectVisible({&w().Command7, &w().Label3, &w().Text4, &w().Check2, &w().Frame2}, true);
    // The weights are not loaded: every curve integrates to zero.
    EXPECT_TRUE(w().Command8.caption() == "Measure" && w().weights().Y[21] == 0.0f && !w().deltaMode() &&
                headless.beeper.beeps == 1);
    const auto first = workspace::shownFields(w());
    const struct {
        int button;
        const char *xyz, *xy, *lab, *rgb;
    } cases[] = {
        {0, "37.80,31.23,26.51", "0.3956,0.3269", "62.70,24.64,14.18", "199,133,126"},
        {2, "36.86,31.17,24.07", "0.4002,0.3385", "62.65,25.89,14.10", "201,132,126"},
        {1, "38.16,31.55,18.49", "0.4327,0.3577", "62.97,26.72,14.66", "204,132,126"},
    };
    for (const auto& k : cases) {
        w().Option1[k.button].select();
        EXPECT_EQ(joined(w().Text12) + " " + joined(w().Text11) + " " + joined(w().Text18) + " " + joined(w().Text15) +
                      " " + joined(w().Text1) + w().Label19.caption() + w().Text3.text(),
                  std::string("5.6R,6.1,6.2 ") + k.xyz + " " + k.xy + " " + k.lab + " " + k.rgb)
            << k.button;
    }
    w().Option1[0].select();
    EXPECT_EQ(workspace::shownFields(w()), first);
}

// The file is found whatever the case of its name, and the one there is
// rewritten; the list click leaves the instrument name, a port edit writes it.
TEST_F(StartupTest, InstrumentConfigurationShapesTheGroupAndKeepsTheChoiceAcrossARestart) {
    folder.write("ZOL.cfg", "Import\r\n 3 \r\n");
    start();
    EXPECT_EQ(w().instName() + w().Combo1.text() + std::to_string(w().commPort()), "ImportImport3");
    EXPECT_TRUE(w().Command8.visible() && w().Command8.caption() == "Import %R");
    expectVisible({&w().Command7, &w().Label3, &w().Text4}, false);
    EXPECT_FLOAT_EQ(w().weights().Y[21], 9.834f);  // 560 nm

    folder.write("ZOL.cfg", "CE7000\r\n 1 \r\n");
    start();
    w().Combo1.choose("Import");
    EXPECT_EQ(folder.read("ZOL.cfg"), "Import\r\n 1 \r\n");
    EXPECT_TRUE(!std::filesystem::exists(folder.path() / "zol.cfg") && w().instName() == "CE7000");
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
    w().close();
    EXPECT_TRUE(exits == 2 && headless.dialogs.shown.empty());
}

// The files start-up reads and the configuration it writes, as they are found
// on a real disk: special files, damaged tables, writes that fail.

class StartUpFilesTest : public MainWindowTest {
protected:
    std::string startWithoutShippedData() {
        workspace::Form1 window(headless.platform(), workspace::FileLocations{folder.path(), {}});
        std::string error;
        EXPECT_FALSE(window.Form_Load(error));
        return error;
    }
    std::string notRead(const std::string& what) { return "Configuration not read: " + config().string() + what; }
    std::filesystem::path config() const { return folder.path() / "zol.cfg"; }
};

// A number out of range or a special file stops start-up naming it (a missing
// or short table is read in the Munsell tests). The shipped file has 34
// numbers to a line; one line given twice is used up to the numbers needed.
TEST_F(StartUpFilesTest, TableOutOfRangeOrSpecialStopsStartUpNamingIt) {
    const auto table = folder.path() / "Vezedu.dat";
    folder.write("Vezedu.dat", "3101,3163,22001\r\n");
    EXPECT_EQ(startWithoutShippedData(),
              "Vezedu.dat: 22001 at value 0, hue index 0, chroma index 1 (x) is outside -3000..22000");
    std::filesystem::remove(table);
    std::filesystem::create_symlink("/dev/zero", table);
    EXPECT_EQ(startWithoutShippedData(),
              "Cannot read the Munsell renotation table: " + table.string() + " is not a regular file");

    std::filesystem::remove(table);
    std::filesystem::copy_file(std::filesystem::path(TINTARA_SOURCE_DIR) / "data" / "Vezedu.dat", table);
    const std::string shipped = folder.read("Vezedu.dat");
    folder.write("Vezedu.dat", shipped + shipped.substr(shipped.rfind('\n', shipped.size() - 2) + 1));
    start();
    EXPECT_EQ(w().Text3.text() + " " + w().Text11[1].text(),
              "Vezedu.dat holds 14,994 numbers; the first 14,960 were used 31.23");
}

// The port read from the file is kept to 1..4 as the port box keeps it (every
// form of the file is read in the instrument tests); a special file or one
// too large is ignored.
TEST_F(StartUpFilesTest, ConfiguredPortIsOneToFour) {
    for (const auto& [line, port] : {std::pair{" 4 ", 4}, {" 5 ", 1}}) {
        folder.write("zol.cfg", std::string("XTH\r\n") + line + "\r\n");
        start();
        EXPECT_EQ(w().instName() + std::to_string(w().commPort()), "XTH" + std::to_string(port)) << line;
    }
    std::filesystem::remove(config());
    ASSERT_EQ(::mkfifo(config().c_str(), 0600), 0);
    start();
    EXPECT_EQ(w().Text3.text() + w().instName(), notRead(" is not a regular file"));
    std::filesystem::remove(config());
    folder.write("zol.cfg", "CE7000\r\n 2 \r\n" + std::string(5000, ' '));
    start();
    EXPECT_EQ(w().Text3.text() + w().instName(), notRead(" is larger than 4096 bytes"));
}

// A configuration that cannot be written is reported and the one there stays.
TEST_F(StartUpFilesTest, FailedConfigurationWriteKeepsTheFileAndSaysSo) {
    folder.write("zol.cfg", "CE7000\r\n 2 \r\n");
    start();
    FullDisk disk(3);
    w().writeSeam = &disk;
    w().Combo1.choose("Import");
    EXPECT_EQ(w().Text3.text(), "Cannot write the configuration file " + config().string());
    w().Text4.setText("3");
    EXPECT_EQ(folder.read("zol.cfg"), "CE7000\r\n 2 \r\n");
}

// Measure and Calibrate through the main window, against a scripted instrument.
// The dialogue itself (every reply, every failure, a second press while one
// runs) is proven by the instrument tests; here what the window makes of it.

class MeasureTest : public ::testing::Test {
protected:
    workspace::Form1& w() { return window; }

    // A Color-Eye 7000 answer: status, then 40 seven-character fields 10 apart.
    static std::string ce7000Reply(const std::string& status) {
        std::string reply = status + std::string(18, ' ');
        for (int i = 0; i < 40; ++i) reply += "  50.00   ";
        return reply + "\r\n>";
    }

    ScratchFolder folder;
    ui::ScriptedSerialPort port;
    ui::HeadlessPlatform headless{port};
    workspace::Form1 window{headless.platform(), testLocations(folder.path())};
};

// A silent instrument leaves the window as it was; only a new reading,
// converted, counts as a measurement, and the message line does not. A flat
// 50 % curve is half of what the weights add up to (98.074, 100, 118.230), to
// two decimals: a neutral grey.
TEST_F(MeasureTest, Ce7000ReadingBecomesTheCurrentColourOnlyForANewReading) {
    folder.write("zol.cfg", "CE7000\r\n 2 \r\n");
    std::string error;
    ASSERT_TRUE(w().Form_Load(error)) << error;
    headless.clock.advanceOnRead(0.01);
    const auto before = workspace::shownFields(w());
    w().Command8.click();
    EXPECT_EQ(workspace::shownFields(w()), before);
    port.on("R", ">");
    port.on("M\r", ce7000Reply("20")).once();
    const std::string reply = ce7000Reply("11");
    port.on("M\r", reply.substr(0, 19)).once().followedBy(reply.substr(19), 3);
    w().Command8.click();
    EXPECT_EQ(headless.dialogs.messages(), (std::vector<std::string>{"CE-7000 not connected", "Calibrate Instrument"}));
    EXPECT_FALSE(w().measurementShown());
    w().Text3.setText("a line the instrument left");
    w().Command8.click();
    EXPECT_TRUE(port.portNumber == 2 && w().measurementShown() && !port.isOpen());
    EXPECT_EQ(joined(w().Text11) + " " + w().Text12[2].text().substr(0, 2), "49.04,50.00,59.11 0.");
}

}  // namespace tintara::testkit
