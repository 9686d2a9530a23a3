// The palette record as a line of text, the file name rule and the append.
#include "datafiles/palette_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tintara::datafiles {
namespace {

PaletteSample sample() {
    PaletteSample s;
    s.date = recordDate(3, 7, 2026);
    s.time = recordTime(9, 5, 4);
    s.tag = "Brick";
    s.munsell = {"5.6R", "6.10", "6.20"};
    s.xyz = {"37.80", "31.23", "26.51"};
    s.lab = {"62.70", "24.64", "14.18"};
    s.linearRgb = {0.5f, 1.0f, 0.0625f};
    s.rgb = {"199", "133", "126"};
    s.cmyk = {"20", "46", "48", "1"};
    return s;
}

TEST(PaletteRecord, TwentyTwoFieldsTextQuotedNumbersBare) {
    EXPECT_EQ(paletteRecord(sample()),
              R"("03-07-2026","09:05:04","Brick","5.6R","6.10","6.20","37.80","31.23","26.51",)"
              R"("62.70","24.64","14.18",0.5,1,0.0625,"199","133","126","20","46","48","1")"
              "\r\n");
    // Two digits for every part of the date and time, four for the year.
    EXPECT_EQ(recordDate(12, 31, 999), "12-31-0999");
    EXPECT_EQ(recordTime(23, 0, 9), "23:00:09");
}

TEST(PaletteRecord, CsvEndingAddedUnlessPresentInAnyCase) {
    EXPECT_EQ(withCsvEnding("mine"), "mine.csv");
    EXPECT_EQ(withCsvEnding("mine.CsV"), "mine.CsV");
    EXPECT_EQ(withCsvEnding("csv"), "csv.csv");
    EXPECT_EQ(withCsvEnding("a.txt"), "a.txt.csv");
}

class AppendTest : public ::testing::Test {
protected:
    AppendTest() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() / ("tintara-append-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
    }
    ~AppendTest() override { std::filesystem::remove_all(folder); }
    std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path folder;
};

TEST_F(AppendTest, AppendsWholeLinesAndReportsAFolderInTheWay) {
    std::string error;
    const auto file = folder / "p.csv";
    ASSERT_TRUE(appendLine(file, "one\r\n", error)) << error;
    ASSERT_TRUE(appendLine(file, "two\r\n", error)) << error;
    EXPECT_EQ(read(file), "one\r\ntwo\r\n");

    std::filesystem::create_directory(folder / "taken.csv");
    EXPECT_FALSE(appendLine(folder / "taken.csv", "x\r\n", error));
    EXPECT_NE(error.find("taken.csv"), std::string::npos) << error;
}

}  // namespace
}  // namespace tintara::datafiles
