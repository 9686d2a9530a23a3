// Hue notation both ways, and the hue circle.
#include "munsell/hue_notation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "munsell/hue_circle.h"

namespace tintara::munsell {
namespace {

const float nan = std::numeric_limits<float>::quiet_NaN();

TEST(HueNotation, ReadsEveryFamilyInEitherCase) {
    // Without a family the text is flagged and gives 100 + its number.
    const struct {
        const char* text;
        float hue;
        bool familyFound;
    } cases[] = {{"5R", 5, true},       {"5YR", 15, true},      {"5y", 25, true},   {"5GY", 35, true},
                 {"5g", 45, true},      {"2.5bg", 52.5f, true}, {"5B", 65, true},   {"5pb", 75, true},
                 {"5P", 85, true},      {"10RP", 100, true},    {"R", 0, true},     {"5 R", 5, true},
                 {".5yR", 10.5f, true}, {"N", 100, false},      {"5x", 105, false}, {"", 100, false}};
    for (const auto& k : cases) {
        const ParsedHue parsed = parseHue(k.text);
        EXPECT_EQ(parsed.hue, k.hue) << k.text;
        EXPECT_EQ(parsed.familyFound, k.familyFound) << k.text;
    }
}

TEST(HueNotation, WritesFamilyBoundariesAsStepTenOfTheLowerFamily) {
    const struct {
        float hue;
        const char* text;
    } cases[] = {{5, "5.00R"},       {100, "10.00RP"},  {10.0005f, "10.00R"}, {10.002f, ".00YR"},
                 {9.99f, "9.99R"},   {0, ".00R"},       {12.5f, "2.50YR"},    {0.5f, ".50R"},
                 {95.25f, "5.25RP"}, {-2.5f, "7.50RP"}, {150, "10.00G"},      {nan, ".00R"}};
    for (const auto& k : cases) EXPECT_EQ(formatHue(k.hue), k.text) << k.hue;

    for (int i = 0; i <= 10000; ++i) {  // and back, to two decimals
        const float H = static_cast<float>(i / 100.0);
        const std::string text = formatHue(H);
        const ParsedHue back = parseHue(text);
        EXPECT_TRUE(back.familyFound && std::abs(back.hue - H) <= 1e-4) << text << " " << back.hue;
    }
}

TEST(HueCircle, FoldOnceAndOntoTheCircle) {
    const struct {
        float hue, folded, onto;
    } cases[] = {{0, 0, 0},       {99.9f, 99.9f, 99.9f}, {100, 0, 100},         {100.5f, 0.5f, 0.5f}, {160, 60, 60},
                 {200, 100, 100}, {240, 140, 40},        {-2.5f, -2.5f, 97.5f}, {-100, -100, 0}};
    for (const auto& k : cases) {
        EXPECT_FLOAT_EQ(foldedOnce(k.hue), k.folded) << k.hue;
        EXPECT_FLOAT_EQ(ontoHueCircle(k.hue), k.onto) << k.hue;
    }
    EXPECT_EQ(ontoHueCircle(nan), 0);
}

}  // namespace
}  // namespace tintara::munsell
