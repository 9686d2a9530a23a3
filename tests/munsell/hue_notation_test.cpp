#include "munsell/hue_notation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tintara::munsell {
namespace {

TEST(HueNotation, ReadsAndWritesHueNumbers) {
    // converth upper-cases the caller's text; without a family it flags the
    // text and gives 100 + the number.
    const struct {
        const char *text, *upper;
        float H;
        bool formatError;
    } read[] = {{"5R", "5R", 5, false},       {"5YR", "5YR", 15, false}, {"2.5bg", "2.5BG", 52.5f, false},
                {"10RP", "10RP", 100, false}, {"R", "R", 0, false},      {"5 R", "5 R", 5, false},
                {"N", "N", 100, true},        {"5x", "5X", 105, true}};
    for (const auto& k : read) {
        std::string text = k.text;
        const HueReading r = converth(text);
        EXPECT_TRUE(r.H == k.H && r.formatError == k.formatError && text == k.upper) << k.text;
    }
    const struct {
        float H;
        const char* text;
    } written[] = {{5, "5.00R"},       {100, "10.00RP"},  {10.0005f, "10.00R"},
                   {10.002f, ".00YR"}, {0, ".00R"},       {12.5f, "2.50YR"},
                   {0.5f, ".50R"},     {-2.5f, "7.50RP"}, {std::numeric_limits<float>::quiet_NaN(), ".00R"}};
    for (const auto& k : written) EXPECT_EQ(hconvert(k.H), k.text) << k.H;

    for (int i = 0; i <= 10000; ++i) {  // and back, to two decimals
        const float H = static_cast<float>(i / 100.0);
        std::string text = hconvert(H);
        const HueReading back = converth(text);
        EXPECT_TRUE(!back.formatError && std::abs(back.H - H) <= 1e-4) << text << " " << back.H;
    }
}

}  // namespace
}  // namespace tintara::munsell
