#include "textio/fieldreader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace tintara::textio {
namespace {

std::vector<std::string> allFields(const std::string& text) {
    std::istringstream in(text);
    FieldReader reader(in);
    std::vector<std::string> out;
    while (auto f = reader.field()) out.push_back(*f);
    return out;
}

TEST(FieldReader, SplitsFields) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"  a , \"b, c\" ,d", {"a", "b, c", "d"}},
        {"\" x \",y", {" x ", "y"}},
        {"a,,b", {"a", "", "b"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"\"q\"junk , r", {"q", "r"}},
        // Doubled quotes inside a quoted field are one quote each; a lone one
        // inside ends the field, as in files written before quotes were doubled.
        {"\"Brick \"\"red\"\"\",5R", {"Brick \"red\"", "5R"}},
        {"\"\"\"\",x", {"\"", "x"}},
        {"\"Brick \"red\"\",5R", {"Brick ", "5R"}},
        {"\"open\nnext", {"open", "next"}},
        {"a,b\r\nc\nd\re\r\n\r\n", {"a", "b", "c", "d", "e"}},
        // A record split over lines reads the same as on one line.
        {"1,2,\"x\",4\r\n", {"1", "2", "x", "4"}},
        {"1,2\r\n\"x\"\r\n  4", {"1", "2", "x", "4"}},
        {"", {}}};
    for (const auto& [text, fields] : cases) EXPECT_EQ(allFields(text), fields) << text;
}

TEST(FieldReader, LinesNumbersAndEnd) {
    std::istringstream in("Title, with comma\r\n 1.5 , abc,\"7\"\r\n  tag line\r\n\r\n  \n");
    FieldReader reader(in);
    EXPECT_EQ(reader.line(), "Title, with comma");
    EXPECT_EQ(reader.number(), 1.5);
    EXPECT_EQ(reader.number(), std::nullopt);  // "abc" consumed
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.number(), 7.0);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.line(), "  tag line");  // looking ahead kept the blanks
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.field(), std::nullopt);
    EXPECT_EQ(reader.number(), std::nullopt);
    EXPECT_EQ(reader.line(), std::nullopt);
    reader.skipLine();  // at the end: nothing happens

    std::istringstream in2("skip, me\r\nkeep\r\n");
    FieldReader reader2(in2);
    reader2.skipLine();
    EXPECT_EQ(reader2.field(), "keep");
}

}  // namespace
}  // namespace tintara::textio
