// The files start-up reads and the configuration it writes, as they are found
// on a real disk: special files, damaged tables, writes that fail.
#include <sys/stat.h>

#include "full_disk.h"
#include "main_window_fixture.h"

namespace tintara::testkit {

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

// The shipped file has 34 numbers to a line; one line given twice is used up
// to the numbers the table needs.
TEST_F(StartUpFilesTest, TableMissingShortOutOfRangeOrSpecialStopsStartUpNamingIt) {
    const auto table = folder.path() / "Vezedu.dat";
    EXPECT_NE(startWithoutShippedData().find("Vezedu.dat"), std::string::npos);
    folder.write("Vezedu.dat", "3101,3163,0,0\r\n");
    EXPECT_NE(startWithoutShippedData().find("Vezedu.dat ends early"), std::string::npos);
    folder.write("Vezedu.dat", "3101,3163,22001\r\n");
    EXPECT_EQ(startWithoutShippedData(),
              "Vezedu.dat: 22001 at value 0, hue index 0, chroma index 1 (x) is outside -3000..22000");
    const std::string special =
        "Cannot read the Munsell renotation table: " + table.string() + " is not a regular file";
    std::filesystem::remove(table);
    ASSERT_EQ(::mkfifo(table.c_str(), 0600), 0);
    EXPECT_EQ(startWithoutShippedData(), special);
    std::filesystem::remove(table);
    std::filesystem::create_symlink("/dev/zero", table);
    EXPECT_EQ(startWithoutShippedData(), special);

    std::filesystem::remove(table);
    std::filesystem::copy_file(std::filesystem::path(TINTARA_SOURCE_DIR) / "data" / "Vezedu.dat", table);
    const std::string shipped = folder.read("Vezedu.dat");
    folder.write("Vezedu.dat", shipped + shipped.substr(shipped.rfind('\n', shipped.size() - 2) + 1));
    start();
    EXPECT_EQ(w().Text3.text(), "Vezedu.dat holds 14,994 numbers; the first 14,960 were used");
    EXPECT_EQ(w().Text11[1].text(), "31.23");
}

// The port read from the file is kept to 1..4 as the port box keeps it; a
// file of one line, a special file or one too large is ignored.
TEST_F(StartUpFilesTest, ConfiguredPortIsOneToFour) {
    for (const auto& [line, port] :
         {std::pair{" 0 ", 1}, {" 1 ", 1}, {" 4 ", 4}, {" 5 ", 1}, {"-2", 1}, {"32767", 1}}) {
        folder.write("zol.cfg", std::string("XTH\r\n") + line + "\r\n");
        start();
        EXPECT_EQ(w().instName() + std::to_string(w().commPort()), "XTH" + std::to_string(port)) << line;
    }
    std::filesystem::remove(config());
    folder.write("ZOL.cfg", "XTH\r\n");
    start();
    EXPECT_EQ(w().instName() + std::to_string(w().commPort()), "1");
    EXPECT_TRUE(headless.dialogs.shown.empty());

    std::filesystem::remove(folder.path() / "ZOL.cfg");
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
    const std::string message = "Cannot write the configuration file " + config().string();
    FullDisk disk(3);
    w().writeSeam = &disk;
    w().Combo1.choose("Import");
    EXPECT_EQ(w().Text3.text(), message);
    w().Text4.setText("3");
    EXPECT_EQ(folder.read("zol.cfg"), "CE7000\r\n 2 \r\n");

    w().writeSeam = nullptr;
    std::filesystem::remove(config());
    std::filesystem::create_directory(config());
    w().Text3.setText("");
    w().Combo1.choose("XTH");
    EXPECT_EQ(w().Text3.text(), message);
    EXPECT_TRUE(std::filesystem::is_directory(config()));
}

}  // namespace tintara::testkit
