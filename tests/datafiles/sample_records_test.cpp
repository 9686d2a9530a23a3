// Reading sample files line by line: what the main window's import tests leave
// to this level.
#include "datafiles/sample_records.h"

#include <gtest/gtest.h>

namespace tintara::datafiles {
namespace {

TEST(SampleRecords, LinesEndAtCrLfLfOrCrAndAByteOrderMarkIsDropped) {
    const auto lines = inputLines("a\r\nb\nc\rd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].number, 4);
    EXPECT_EQ(lines[2].text, "c");
    EXPECT_EQ(inputLines("a\r\n\r\n").size(), 2u);
    EXPECT_EQ(inputLines("\xEF\xBB\xBF"
                         "5R\t4\t14\r\n")[0]
                  .text,
              "5R\t4\t14");
}

std::optional<SampleRecord> read(ImportType type, const std::string& text, std::string& problem) {
    return recordOf(type, {12, text}, problem);
}

TEST(SampleRecords, FieldCounts) {
    std::string problem;
    EXPECT_EQ(read(ImportType::LabTable, " 50 , -3.5,\"7\",,", problem)->fields,
              (std::vector<std::string>{"50", "-3.5", "7"}));  // empty fields at the end are a spreadsheet's
    EXPECT_FALSE(read(ImportType::XyzToPalette, "tag,1,2,3,4", problem));
    EXPECT_EQ(problem, "holds 5 fields; a record is a tag, X, Y and Z (4 fields)");
    EXPECT_EQ(read(ImportType::MunsellSteps, " 2.5YR \t 6\t8\tx", problem)->fields,
              (std::vector<std::string>{"2.5YR", "6", "8\tx"}));
}

TEST(SampleRecords, SpectraKeepTheRestOfTheirLine) {
    std::string line = "S1,tile,2024", problem;
    for (int i = 0; i < 40; ++i) line += "," + std::to_string(i);
    const auto r = read(ImportType::Spectra, line + ",glossy, side A", problem);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->fields[42], "39");
    EXPECT_EQ(r->rest, "glossy, side A");
}

}  // namespace
}  // namespace tintara::datafiles
