// The palette record as a line of text, the file name rule and the append.
#include "datafiles/palette_record.h"

#include <sys/stat.h>

#include "datafiles/scratch_folder.h"

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

class AppendTest : public testkit::InScratchFolder {};

TEST_F(AppendTest, AppendsWholeLinesAndReportsAFolderOrPipeInTheWay) {
    std::string error;
    const auto file = folder / "p.csv";
    ASSERT_TRUE(appendLine(file, "one\r\n", error)) << error;
    ASSERT_TRUE(appendLine(file, "two\r\n", error)) << error;
    EXPECT_EQ(read(file), "one\r\ntwo\r\n");

    std::filesystem::create_directory(folder / "taken.csv");
    EXPECT_FALSE(appendLine(folder / "taken.csv", "x\r\n", error));
    EXPECT_EQ(error, "Cannot write to " + (folder / "taken.csv").string() + ": it is a folder");
    ASSERT_EQ(::mkfifo((folder / "pipe.csv").c_str(), 0600), 0);
    EXPECT_FALSE(appendLine(folder / "pipe.csv", "x\r\n", error));
    EXPECT_EQ(error, "Cannot write to " + (folder / "pipe.csv").string() + ": it is not a regular file");
}

// A record appended to a file whose last line has no end starts a line of its own.
TEST_F(AppendTest, NewRecordStartsANewLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"A", "A\r\nB\r\n"}, {"A\r", "A\r\nB\r\n"}, {"A\n", "A\nB\r\n"}, {"A\r\n", "A\r\nB\r\n"}, {"", "B\r\n"}};
    for (const auto& [before, after] : cases) {
        const auto file = folder / "p.csv";
        write(file, before);
        std::string error;
        ASSERT_TRUE(appendLine(file, "B\r\n", error)) << error;
        EXPECT_EQ(read(file), after) << ::testing::PrintToString(before);
    }
}

// A full disk: the write stops part-way, with or without saying so. The file
// is cut back to what it held, or removed when the append made it, and the
// next append writes a whole line.
TEST_F(AppendTest, FailedWriteLeavesTheFileAsItWas) {
    auto halfThenFail = [](std::ostream& out, std::string_view bytes) {
        out.write(bytes.data(), std::streamsize(bytes.size() / 2)).flush();
        return false;
    };
    auto halfAndSayAllIsWell = [](std::ostream& out, std::string_view bytes) {
        out.write(bytes.data(), std::streamsize(bytes.size() / 2)).flush();
        return true;
    };
    const std::string record = R"("12-06-2026","09:30:00","tag")"
                               "\r\n";
    for (const WriteBytes& failing : {WriteBytes(halfThenFail), WriteBytes(halfAndSayAllIsWell)}) {
        const auto file = folder / "p.csv";
        for (const char* before : {"A\r\n", "A"}) {
            write(file, before);
            std::string error;
            EXPECT_FALSE(appendLine(file, record, error, failing));
            EXPECT_EQ(error, "Could not write to " + file.string() + "; it is as it was");
            EXPECT_EQ(read(file), before);
        }
        std::string error;
        ASSERT_TRUE(appendLine(file, record, error)) << error;
        EXPECT_EQ(read(file), "A\r\n" + record);

        std::filesystem::remove(file);
        EXPECT_FALSE(appendLine(file, record, error, failing));
        EXPECT_FALSE(std::filesystem::exists(file));
    }
}

}  // namespace
}  // namespace tintara::datafiles
