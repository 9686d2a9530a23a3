#include "textio/printstyle.h"

#include "textio/numbertext.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tintara::textio {
namespace {

TEST(PrintStyle, ItemsFollowEachOther) {
    EXPECT_EQ(PrintLine().number(12).finish(), " 12 \r\n");
    EXPECT_EQ(PrintLine().text("V=").number(-2.5f).number(0.5f).text("end").finish(), "V=-2.5  .5 end\r\n");
    EXPECT_EQ(PrintLine().finish(), "\r\n");
}

TEST(PrintStyle, Zones) {
    // Columns 1, 15, 29: an empty line is at a zone start already.
    EXPECT_EQ(PrintLine().zoneText("a").zoneNumber(7).zoneText("b").content(),
              "a" + std::string(13, ' ') + " 7 " + std::string(11, ' ') + "b");
    // 16 characters run past column 14, so the next item starts at column 29.
    EXPECT_EQ(PrintLine().zoneText("0123456789abcdef").zoneText("x").content(),
              "0123456789abcdef" + std::string(12, ' ') + "x");
    // Exactly one zone filled: the next item starts at column 15.
    EXPECT_EQ(PrintLine().text("0123456789abcd").zoneText("x").content(), "0123456789abcdx");
}

TEST(PrintStyle, EmptyZoneItemsKeepTheColumnsOfTheItemsAfterThem) {
    const std::string zone(14, ' ');
    // An empty first item holds columns 1..14: the next starts at column 15.
    EXPECT_EQ(PrintLine().zoneText("").zoneText("x").content(), zone + "x");
    // Two empty items in the middle: "y" goes to the fourth zone, column 43.
    EXPECT_EQ(PrintLine().zoneText("a").zoneText("").zoneText("").zoneText("y").content(),
              "a" + std::string(13, ' ') + zone + zone + "y");
    // Trailing empty items leave the line at the start of the zone they hold.
    EXPECT_EQ(PrintLine().zoneText("a").zoneText("").finish(), "a" + std::string(13, ' ') + "\r\n");
    // A number after an empty item: its sign blank lands on column 15.
    EXPECT_EQ(PrintLine().zoneText("").zoneNumber(-2).content(), zone + "-2 ");
}

TEST(PrintStyle, WholeNumbersAreExactAtAnySize) {
    EXPECT_EQ(PrintLine().whole(32768).whole(-3).whole(0).content(), " 32768 -3  0 ");
    EXPECT_EQ(PrintLine().whole(16777217).content(), " 16777217 ");  // a float would print 16777216
    EXPECT_EQ(signedWhole(-9000000000LL), "-9000000000");
}

TEST(WriteStyle, Record) {
    const std::pair<std::vector<WriteField>, const char*> cases[] = {
        {{std::string("05-06-2026"), std::string("Sample 1"), 0.5f}, "\"05-06-2026\",\"Sample 1\",0.5\r\n"},
        {{std::string("a\"b"), std::string(), -0.25f, 100.0f}, "\"a\"\"b\",\"\",-0.25,100\r\n"},
        {{}, "\r\n"}};
    for (const auto& [fields, text] : cases) EXPECT_EQ(writeLine(fields), text);
}

}  // namespace
}  // namespace tintara::textio
