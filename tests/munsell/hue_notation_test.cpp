#include "munsell/hue_notation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tintara::munsell {
namespace {

HueReading read(std::string text) { return converth(text); }

TEST(Converth, ReadsHueNotation) {
    EXPECT_FLOAT_EQ(read("5R").H, 5);
    EXPECT_FLOAT_EQ(read("5YR").H, 15);  // YR, not R
    EXPECT_FLOAT_EQ(read("10RP").H, 100);
    EXPECT_FLOAT_EQ(read("R").H, 0);
    EXPECT_FLOAT_EQ(read("5 R").H, 5);
    EXPECT_FLOAT_EQ(read("7.5PB").H, 77.5f);
    EXPECT_FLOAT_EQ(read("5.6R").H, 5.6f);

    std::string text = "2.5bg";
    const HueReading bg = converth(text);
    EXPECT_FLOAT_EQ(bg.H, 52.5f);
    EXPECT_FALSE(bg.formatError);
    EXPECT_EQ(text, "2.5BG");

    // No family: reported, and the number read from the whole text plus 100.
    const HueReading n = read("N");
    EXPECT_TRUE(n.formatError);
    EXPECT_FLOAT_EQ(n.H, 100);
    const HueReading x = read("5x");
    EXPECT_TRUE(x.formatError);
    EXPECT_FLOAT_EQ(x.H, 105);
    EXPECT_TRUE(read("").formatError);
}

TEST(Hconvert, WritesHueNotation) {
    EXPECT_EQ(hconvert(5), "5.00R");
    EXPECT_EQ(hconvert(10), "10.00R");
    EXPECT_EQ(hconvert(20), "10.00YR");
    EXPECT_EQ(hconvert(100), "10.00RP");
    EXPECT_EQ(hconvert(10.0005f), "10.00R");
    EXPECT_EQ(hconvert(10.002f), ".00YR");
    EXPECT_EQ(hconvert(0), ".00R");
    EXPECT_EQ(hconvert(12.5f), "2.50YR");
    EXPECT_EQ(hconvert(0.5f), ".50R");
    EXPECT_EQ(hconvert(77.5f), "7.50PB");

    // Hue numbers off the circle are brought onto it first.
    EXPECT_EQ(hconvert(105), "5.00R");
    EXPECT_EQ(hconvert(-2.5f), "7.50RP");
    EXPECT_EQ(hconvert(200), ".00R");
    EXPECT_EQ(hconvert(std::numeric_limits<float>::quiet_NaN()), ".00R");
    EXPECT_EQ(hconvert(std::numeric_limits<float>::infinity()), ".00R");
}

TEST(HueNotation, RoundTripToTwoDecimals) {
    for (int i = 0; i <= 10000; ++i) {
        const float H = static_cast<float>(i / 100.0);
        std::string text = hconvert(H);
        const HueReading back = converth(text);
        EXPECT_FALSE(back.formatError) << text;
        EXPECT_NEAR(back.H, H, 1e-4) << text;
    }
}

}  // namespace
}  // namespace tintara::munsell
