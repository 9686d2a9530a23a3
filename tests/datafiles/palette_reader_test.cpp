// Palette files read as the viewer reads them: the hue-angle rule, blank
// lines, and every way a record can be broken, with the line it stands on.
// The records of the main window and of the tolerance chart are read back
// through the viewer in its loading tests.
#include "datafiles/palette_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tintara::datafiles {
namespace {

using Outcome = PaletteReader::Outcome;

// Hue numbers by hand: the family's start plus the step; 3.6 degrees a step,
// 0.0174532925 radians a degree.
TEST(PaletteHueAngle, FamiliesTwoLettersFirstEitherCase) {
    const std::pair<const char*, double> cases[] = {{"5R", 18},    {"5r", 18},     {"5YR", 54},    {"5yr", 54},
                                                    {"10RP", 360}, {"2.5gy", 117}, {"7.5B", 243},  {"R", 0},
                                                    {"5 R", 18},   {"2.5PB", 261}, {"0.5P", 289.8}};
    for (const auto& [text, degrees] : cases) {
        const auto angle = paletteHueAngle(text);
        ASSERT_TRUE(angle.has_value()) << text;
        EXPECT_NEAR(*angle, degrees * 0.0174532925, 2e-6) << text;
    }
    // No family ending: a neutral, a stray letter, a trailing blank.
    for (const char* text : {"N", "5X", "", "5R "}) EXPECT_FALSE(paletteHueAngle(text).has_value()) << text;
}

TEST(PaletteReader, BlankLinesArePassedOverAndCounted) {
    std::istringstream in("\r\n  \r\na,b,one,5R,4,6\r\r\n\nc,d,two,5Y,5,2\n\n");
    PaletteReader reader(in);
    PaletteEntry e;
    ASSERT_EQ(reader.next(e), Outcome::Entry);
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_FALSE(reader.atEnd());
    ASSERT_EQ(reader.next(e), Outcome::Entry);  // after a CR line, a CR LF line and an LF line
    EXPECT_EQ(reader.lineNumber(), 6);
    EXPECT_EQ(e.name, "two");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(e), Outcome::End);
}

TEST(PaletteReader, BrokenRecordsSayWhyAndWhere) {
    const std::pair<const char*, const char*> cases[] = {
        {"a,b,short,5R,4", "the record has 5 fields; a palette record has at least 6"},
        {"a", "the record has 1 field; a palette record has at least 6"},
        {"a,b,n,5R,abc,6", "the value \"abc\" is not a number"},
        {"a,b,n,5R,,6", "the value \"\" is not a number"},
        {"a,b,n,5R,4,6x", "the chroma \"6x\" is not a number"},
        {"a,b,n,5R,4,1e39", "the chroma \"1e39\" is not a number"},  // beyond single precision
        {"a,b,n,1e39R,4,6", "the hue \"1e39R\" is out of range"},
    };
    for (const auto& [line, problem] : cases) {
        std::istringstream in(std::string("d,t,fine,5R,4,6\r\n") + line + "\r\nd,t,after,5R,4,6\r\n");
        PaletteReader reader(in);
        PaletteEntry e;
        ASSERT_EQ(reader.next(e), Outcome::Entry);
        EXPECT_EQ(reader.next(e), Outcome::Broken) << line;
        EXPECT_EQ(reader.lineNumber(), 2) << line;
        EXPECT_EQ(reader.problem(), problem) << line;
    }
    // The largest single-precision chroma is still a number; 1e38 hue steps too.
    std::istringstream fits("d,t,n,1e38R,4,3.4e38\r\n");
    PaletteReader reader(fits);
    PaletteEntry e;
    EXPECT_EQ(reader.next(e), Outcome::Entry) << reader.problem();
}

TEST(PaletteReader, ALineTooLongForARecordIsNotReadWhole) {
    std::istringstream in("d,t,ok,5R,4,6\n" + std::string(70000, 'x') + "\nd,t,n,5R,4,6\n");
    PaletteReader reader(in);
    PaletteEntry e;
    ASSERT_EQ(reader.next(e), Outcome::Entry);
    EXPECT_EQ(reader.next(e), Outcome::Broken);
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_EQ(reader.problem(), "the line is too long for a palette record");
    // 65536 characters are still a line.
    std::istringstream longest("d,t,ok,5R,4,6," + std::string(65536 - 14, 'x') + "\n");
    PaletteReader second(longest);
    EXPECT_EQ(second.next(e), Outcome::Entry);
}

}  // namespace
}  // namespace tintara::datafiles
