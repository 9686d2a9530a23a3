// What the main window's import tests leave to this level: the not-displayed
// rule at both ends of its band, record numbers past 16 bits, and the
// input fields written back in their columns.
#include "datafiles/import_rows.h"

#include <gtest/gtest.h>

namespace tintara::datafiles {
namespace {

TEST(ImportRows, NotDisplayedMeansAComponentAtEitherEnd) {
    EXPECT_TRUE(outsideDisplay(0, 37, 80));
    EXPECT_FALSE(outsideDisplay(1, 37, 254));
    EXPECT_TRUE(outsideDisplay(1, 255, 254));
    EXPECT_TRUE(outsideDisplay(1, 37, 0));
}

TEST(ImportRows, RecordNumbersAndCountsPastSixteenBits) {
    ShownColour shown;
    shown.munsell = {"5.00R", "4.00", "14.00"};
    EXPECT_EQ(importRow(ImportType::LabTable, {32768, {"1", "2", "3"}, {}}, 32768, shown).substr(0, 14),
              " 32768 ,5.00R,");
    EXPECT_EQ(totalsMessage(40000, 0), "Total colors 40000  Colors not displayed 0");
}

// Input fields go back in their columns and read back as they were read:
// a comma or quote inside, or blanks and tabs at either end, are quoted.
TEST(ImportRows, InputFieldsReadBackWhole) {
    EXPECT_EQ(notConvertedRow(ImportType::ColorChecker, {3, {"1", "a, b", "N", "5", "0"}, {}}, 1),
              "1,\"a, b\",N,5,0,not converted,,,,,,,,\r\n");
    // The steps line "a<TAB><TAB>10<TAB>": its third text ends in a tab.
    EXPECT_EQ(notConvertedRow(ImportType::MunsellSteps, {1, {"a", "", "10\t"}, {}}, 1),
              "a,,\"10\t\",not converted,,,,,,,,\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::MunsellTable, {2, {" 5R", "4 ", "say \"hi\""}, {}}, 1),
              "\" 5R\",\"4 \",\"say \"\"hi\"\"\",not converted,,,,,,,,,,,,\r\n");
}

}  // namespace
}  // namespace tintara::datafiles
