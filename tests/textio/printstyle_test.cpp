#include "textio/printstyle.h"

#include "textio/numbertext.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tintara::textio {
namespace {

// Zones start at columns 1, 15, 29 ...: an item that runs past a zone moves
// the next to the zone after, and an empty zone item still holds its zone.
TEST(PrintStyle, ItemsAndZones) {
    const std::string zone(14, ' '), a = "a" + std::string(13, ' ');
    const std::pair<std::string, std::string> cases[] = {
        {PrintLine().number(12).finish(), " 12 \r\n"},
        {PrintLine().text("V=").number(-2.5f).number(0.5f).text("end").finish(), "V=-2.5  .5 end\r\n"},
        {PrintLine().finish(), "\r\n"},
        {PrintLine().zoneText("a").zoneNumber(7).zoneText("b").content(), a + " 7 " + std::string(11, ' ') + "b"},
        {PrintLine().zoneText("0123456789abcdef").zoneText("x").content(),
         "0123456789abcdef" + std::string(12, ' ') + "x"},
        {PrintLine().text("0123456789abcd").zoneText("x").content(), "0123456789abcdx"},
        {PrintLine().zoneText("").zoneText("x").content(), zone + "x"},
        {PrintLine().zoneText("a").zoneText("").zoneText("").zoneText("y").content(), a + zone + zone + "y"},
        {PrintLine().zoneText("a").zoneText("").finish(), a + "\r\n"},
        {PrintLine().zoneText("").zoneNumber(-2).content(), zone + "-2 "},  // its sign blank on column 15
        // Whole numbers are exact at any size: a float would print 16777216.
        {PrintLine().whole(32768).whole(-3).whole(0).content(), " 32768 -3  0 "},
        {PrintLine().whole(16777217).content(), " 16777217 "},
        {signedWhole(-9000000000LL), "-9000000000"}};
    for (const auto& [line, expected] : cases) EXPECT_EQ(line, expected);
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
