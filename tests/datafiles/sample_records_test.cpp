// Reading sample files line by line: the import codes, the line splitting, and
// the records of each type with the field counts they need.
#include "datafiles/sample_records.h"

#include <gtest/gtest.h>

namespace tintara::datafiles {
namespace {

TEST(ImportTypes, CodesAreComparedExactly) {
    EXPECT_EQ(importTypeFor("xyz"), ImportType::XyzToPalette);
    EXPECT_EQ(importTypeFor("6"), ImportType::LabTable);
    EXPECT_EQ(importTypeFor("0"), ImportType::MunsellTable);
    EXPECT_EQ(importTypeFor("3"), ImportType::MunsellSteps);
    EXPECT_EQ(importTypeFor("4"), ImportType::ColorChecker);
    EXPECT_EQ(importTypeFor("2"), ImportType::RhsChart);
    EXPECT_EQ(importTypeFor("1"), ImportType::Spectra);
    for (const char* other : {"XYZ", " 3", "3 ", "", "5", "Xyz", "03"}) EXPECT_EQ(importTypeFor(other), std::nullopt);
}

TEST(SampleRecords, LinesEndAtCrLfLfOrCr) {
    const auto lines = inputLines("a\r\nb\nc\rd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].number, 4);
    EXPECT_EQ(lines[2].text, "c");
    EXPECT_EQ(lines[3].text, "d");
    EXPECT_EQ(inputLines("a\r\n\r\n").size(), 2u);
    EXPECT_EQ(inputLines("\xEF\xBB\xBF" "5R\t4\t14\r\n")[0].text, "5R\t4\t14");
    EXPECT_TRUE(inputLines("").empty());
    EXPECT_TRUE(isBlankLine(" \t "));
    EXPECT_FALSE(isBlankLine(" x"));
}

std::optional<SampleRecord> read(ImportType type, const std::string& text, std::string* problem = nullptr) {
    std::string p;
    auto r = recordOf(type, {12, text}, p);
    if (problem) *problem = p;
    return r;
}

TEST(SampleRecords, StepsSplitAtTheFirstTwoTabs) {
    const auto r = read(ImportType::MunsellSteps, "5R\t4\t14");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->fields, (std::vector<std::string>{"5R", "4", "14"}));
    EXPECT_EQ(r->line, 12);
    EXPECT_EQ(read(ImportType::MunsellSteps, " 2.5YR \t 6\t8\tx")->fields,
              (std::vector<std::string>{"2.5YR", "6", "8\tx"}));
    std::string problem;
    EXPECT_FALSE(read(ImportType::MunsellSteps, "5R\t4 14", &problem));
    EXPECT_EQ(problem, "has no two tabs; a record is hue, value and chroma separated by two tabs");
}

TEST(SampleRecords, CommaSeparatedRecordsNeedTheirCount) {
    EXPECT_EQ(read(ImportType::LabTable, " 50 , -3.5,\"7\"")->fields, (std::vector<std::string>{"50", "-3.5", "7"}));
    // Empty fields at the end are a spreadsheet's doing, not data.
    EXPECT_EQ(read(ImportType::LabTable, "50,1,2,,")->fields.size(), 3u);
    std::string problem;
    EXPECT_FALSE(read(ImportType::LabTable, "50,1", &problem));
    EXPECT_EQ(problem, "holds 2 fields; a record is L*, a* and b* (3 fields)");
    EXPECT_FALSE(read(ImportType::XyzToPalette, "tag,1,2,3,4", &problem));
    EXPECT_EQ(problem, "holds 5 fields; a record is a tag, X, Y and Z (4 fields)");
    EXPECT_EQ(read(ImportType::RhsChart, "Red,\"46, A\",x,5R,4,14")->fields[1], "46, A");
    EXPECT_FALSE(read(ImportType::ColorChecker, "1,a,5R,4", &problem));
    EXPECT_EQ(problem, "holds 4 fields; a record is two names, hue, value and chroma (5 fields)");
}

std::string spectrum(int values) {
    std::string line = "S1,tile,2024";
    for (int i = 0; i < values; ++i) line += "," + std::to_string(i);
    return line;
}

TEST(SampleRecords, SpectraTakeFortyReflectancesAndTheRestOfTheLine) {
    auto r = read(ImportType::Spectra, spectrum(40) + ",glossy, side A");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->fields.size(), 43u);
    EXPECT_EQ(r->fields[42], "39");
    EXPECT_EQ(r->rest, "glossy, side A");
    EXPECT_EQ(read(ImportType::Spectra, spectrum(40))->rest, "");
    std::string problem;
    EXPECT_FALSE(read(ImportType::Spectra, spectrum(39), &problem));
    EXPECT_EQ(problem, "holds 42 fields; a record is three names and 40 reflectances (43 fields)");
}

}  // namespace
}  // namespace tintara::datafiles
