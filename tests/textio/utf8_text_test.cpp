// Text from files in UTF-8: valid UTF-8 kept, anything else read as Latin-1.
#include "textio/utf8_text.h"

#include <gtest/gtest.h>

namespace tintara::textio {
namespace {

TEST(Utf8Text, ValidTextStaysOtherBytesAreLatin1) {
    EXPECT_TRUE(isUtf8("Brick"));
    EXPECT_TRUE(isUtf8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xa8"));  // two, three and four bytes
    for (const char* bad : {"caf\xe9", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"})
        EXPECT_FALSE(isUtf8(bad)) << bad;
    EXPECT_EQ(utf8FromFileText("caf\xc3\xa9"), "caf\xc3\xa9");
    EXPECT_EQ(utf8FromFileText("caf\xe9 \xff"), "caf\xc3\xa9 \xc3\xbf");
    EXPECT_EQ(utf8FromFileText(""), "");
}

}  // namespace
}  // namespace tintara::textio
