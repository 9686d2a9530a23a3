// LastPalette.txt: the name read back whole whatever it holds, missing or
// empty files giving none, and a failed rewrite leaving the old name.
#include "datafiles/last_palette.h"

#include "datafiles/scratch_folder.h"

namespace tintara::datafiles {
namespace {

class LastPaletteTest : public testkit::InScratchFolder {
protected:
    std::filesystem::path file = folder / lastPaletteFileName;
};

TEST_F(LastPaletteTest, TheFirstFieldOfTheFirstLineOrNone) {
    EXPECT_FALSE(readLastPalette(file).has_value());  // missing
    // Up to the comma, blanks dropped.
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"", {}},
        {"\r\n", {}},
        {"flowers.csv\r\nignored.csv\r\n", "flowers.csv"},
        {"  flowers.csv , old\r\n", "flowers.csv"}};
    for (const auto& [text, name] : cases) {
        write(file, text);
        EXPECT_EQ(readLastPalette(file), name) << text;
    }
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
