// The files start-up reads and the configuration it writes, as they are found
// on a real disk: special files, damaged tables, writes that fail.
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "full_disk.h"
#include "main_window_fixture.h"

namespace tintara::testkit {

namespace {

class StartUpFilesTest : public MainWindowTest {
protected:
    // The shipped table with one more line at its end: a line given twice.
    std::string tableWithALineMore() {
        std::ifstream in(std::filesystem::path(TINTARA_SOURCE_DIR) / "data" / "Vezedu.dat", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string table = text.str();
        const auto lastLine = table.rfind('\n', table.size() - 2);
        return table + table.substr(lastLine + 1);
    }
    std::unique_ptr<workspace::Form1> windowWithoutShippedData(std::string& error) {
        auto window =
            std::make_unique<workspace::Form1>(headless.platform(), workspace::FileLocations{folder.path(), {}});
        error.clear();
        return window->Form_Load(error) ? std::move(window) : nullptr;
    }
};

}  // namespace

TEST_F(StartUpFilesTest, TableWithMoreNumbersStartsWithANotice) {
    const std::string text = tableWithALineMore();
    folder.write("Vezedu.dat", text);
    start();
    // The shipped file has 34 numbers to a line.
    EXPECT_EQ(w().Text3.text(), "Vezedu.dat holds 14,994 numbers; the first 14,960 were used");
    EXPECT_EQ(w().Text11[1].text(), "31.23");
}

TEST_F(StartUpFilesTest, TableMissingShortOutOfRangeOrSpecialStopsStartUpNamingIt) {
    std::string error;
    EXPECT_EQ(windowWithoutShippedData(error), nullptr);
    EXPECT_NE(error.find("Vezedu.dat"), std::string::npos) << error;
    folder.write("Vezedu.dat", "3101,3163,0,0\r\n");
    EXPECT_EQ(windowWithoutShippedData(error), nullptr);
    EXPECT_NE(error.find("Vezedu.dat ends early"), std::string::npos) << error;
    folder.write("Vezedu.dat", "3101,3163,22001\r\n");
    EXPECT_EQ(windowWithoutShippedData(error), nullptr);
    EXPECT_EQ(error, "Vezedu.dat: 22001 at value 0, hue index 0, chroma index 1 (x) is outside -3000..22000");

    const auto table = folder.path() / "Vezedu.dat";
    std::filesystem::remove(table);
    ASSERT_EQ(::mkfifo(table.c_str(), 0600), 0);
    EXPECT_EQ(windowWithoutShippedData(error), nullptr);
    EXPECT_EQ(error, "Cannot read the Munsell renotation table: " + table.string() + " is not a regular file");

    std::filesystem::remove(table);
    std::filesystem::create_symlink("/dev/zero", table);
    EXPECT_EQ(windowWithoutShippedData(error), nullptr);
    EXPECT_EQ(error, "Cannot read the Munsell renotation table: " + table.string() + " is not a regular file");
}

// The port read from the file is kept to 1..4 as the port box keeps it; a
// file of one line is ignored.
TEST_F(StartUpFilesTest, ConfiguredPortIsOneToFour) {
    for (const auto& [line, port] :
         {std::pair{" 0 ", 1}, {" 1 ", 1}, {" 4 ", 4}, {" 5 ", 1}, {"-2", 1}, {"32767", 1}}) {
        folder.write("zol.cfg", std::string("XTH\r\n") + line + "\r\n");
        start();
        EXPECT_EQ(w().commPort(), port) << line;
        EXPECT_EQ(w().instName(), "XTH");
    }
    std::filesystem::remove(folder.path() / "zol.cfg");
    folder.write("ZOL.cfg", "XTH\r\n");
    start();
    EXPECT_EQ(w().instName(), "");
    EXPECT_EQ(w().commPort(), 1);
    EXPECT_TRUE(headless.dialogs.shown.empty());
}

TEST_F(StartUpFilesTest, SpecialConfigurationIsNamedAndIgnored) {
    const auto config = folder.path() / "zol.cfg";
    ASSERT_EQ(::mkfifo(config.c_str(), 0600), 0);
    start();
    EXPECT_EQ(w().Text3.text(), "Configuration not read: " + config.string() + " is not a regular file");
    EXPECT_EQ(w().instName(), "");

    std::filesystem::remove(config);
    folder.write("zol.cfg", "CE7000\r\n 2 \r\n" + std::string(5000, ' '));
    start();
    EXPECT_EQ(w().Text3.text(), "Configuration not read: " + config.string() + " is larger than 4096 bytes");
    EXPECT_EQ(w().instName(), "");
}

// A configuration that cannot be written is reported and the one there stays.
TEST_F(StartUpFilesTest, FailedConfigurationWriteKeepsTheFileAndSaysSo) {
    folder.write("zol.cfg", "CE7000\r\n 2 \r\n");
    start();
    FullDisk disk(3);
    w().writeSeam = &disk;
    w().Combo1.choose("Import");
    EXPECT_EQ(w().Text3.text(), "Cannot write the configuration file " + (folder.path() / "zol.cfg").string());
    EXPECT_EQ(folder.read("zol.cfg"), "CE7000\r\n 2 \r\n");
    w().Text4.setText("3");
    EXPECT_EQ(folder.read("zol.cfg"), "CE7000\r\n 2 \r\n");

    w().writeSeam = nullptr;
    std::filesystem::remove(folder.path() / "zol.cfg");
    std::filesystem::create_directory(folder.path() / "zol.cfg");
    w().Text3.setText("");
    w().Combo1.choose("XTH");
    EXPECT_EQ(w().Text3.text(), "Cannot write the configuration file " + (folder.path() / "zol.cfg").string());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "zol.cfg"));
}

}  // namespace tintara::testkit
