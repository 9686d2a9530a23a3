// LastPalette.txt: the name read back whole whatever it holds, missing or
// empty files giving none, and a failed rewrite leaving the old name.
#include "datafiles/last_palette.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace tintara::datafiles {
namespace {

class LastPaletteTest : public ::testing::Test {
protected:
    LastPaletteTest() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() / ("tintara-last-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
        file = folder / lastPaletteFileName;
    }
    ~LastPaletteTest() override { std::filesystem::remove_all(folder); }
    void write(const std::string& content) { std::ofstream(file, std::ios::binary) << content; }
    std::string read() {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path folder;
    std::filesystem::path file;
};

TEST_F(LastPaletteTest, TheFirstFieldOfTheFirstLineOrNone) {
    EXPECT_FALSE(readLastPalette(file).has_value());  // missing
    write("");
    EXPECT_FALSE(readLastPalette(file).has_value());
    write("\r\n");
    EXPECT_FALSE(readLastPalette(file).has_value());
    write("flowers.csv\r\nignored.csv\r\n");
    EXPECT_EQ(readLastPalette(file), "flowers.csv");
    write("  flowers.csv , old\r\n");  // up to the comma, blanks dropped
    EXPECT_EQ(readLastPalette(file), "flowers.csv");
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_FALSE(readLastPalette(file).has_value());  // a folder in its place
}

TEST_F(LastPaletteTest, NamesReadBackWhole) {
    EXPECT_EQ(lastPaletteLine("mine.csv"), "mine.csv\r\n");
    EXPECT_EQ(lastPaletteLine("a, b.csv"), "\"a, b.csv\"\r\n");
    EXPECT_EQ(lastPaletteLine(" lead.csv"), "\" lead.csv\"\r\n");
    for (const std::string name : {"mine.csv", "/home/ann/reds, 2026.csv", "say \"hi\".csv", " lead.csv", "trail.csv\t",
                                   "Z:\\Palettes\\caf\xe9.csv"}) {
        std::string error;
        ASSERT_TRUE(writeLastPalette(file, name, error)) << error;
        EXPECT_EQ(readLastPalette(file), name);
    }
}

TEST_F(LastPaletteTest, AFailedRewriteKeepsTheOldNameAndSaysWhy) {
    std::string error;
    ASSERT_TRUE(writeLastPalette(file, "old.csv", error));
    EXPECT_FALSE(writeLastPalette(file, "two\nlines.csv", error));
    EXPECT_EQ(error, "The palette name holds a line end and cannot be remembered");
    EXPECT_EQ(readLastPalette(file), "old.csv");
}

}  // namespace
}  // namespace tintara::datafiles
