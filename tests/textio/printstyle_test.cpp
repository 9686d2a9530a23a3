#include "textio/printstyle.h"

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

TEST(WriteStyle, Record) {
    const std::pair<std::vector<WriteField>, const char*> cases[] = {
        {{std::string("05-06-2026"), std::string("Sample 1"), 0.5f}, "\"05-06-2026\",\"Sample 1\",0.5\r\n"},
        {{std::string("a\"b"), std::string(), -0.25f, 100.0f}, "\"a\"\"b\",\"\",-0.25,100\r\n"},
        {{}, "\r\n"}};
    for (const auto& [fields, text] : cases) EXPECT_EQ(writeLine(fields), text);
}

}  // namespace
}  // namespace tintara::textio
