#include "textio/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace tintara::textio {
namespace {

TEST(Format, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {{0.5, "##0.00", "0.50"},
                          {41.237, "##0.00", "41.24"},
                          {1234.5, "##0.00", "1234.50"},
                          {0.31006, "0.0000", "0.3101"},
                          {52.346, "###.00", "52.35"},
                          {0.5, "###.00", ".50"},
                          {-0.25, "###.00", "-.25"},
                          {1.234, "##.00", "1.23"},
                          {0.4, "##.00", ".40"},
                          {0.31006, ".0000", ".3101"},
                          {7, "##0", "7"},
                          {0, "##0", "0"},
                          {255, "##0", "255"},
                          {5, "   #.##", "   5."},
                          {5.25, "   #.##", "   5.25"},
                          {0.5, "   #.##", "   .5"},
                          {6.1, " ##.00", " 6.10"},
                          {-6.1, " ##.00", " -6.10"},
                          // Halves round away from zero, judged on the binary value: 0.125 is an
                          // exact half, 1.005 is stored as 1.00499999999999989... and 9.995 as
                          // 9.99499999999999922...
                          {0.125, "0.00", "0.13"},
                          {2.5, "##0", "3"},
                          {-2.5, "##0", "-3"},
                          {1.005, "0.00", "1.00"},
                          {9.995, "0.00", "9.99"},
                          {99.996, "##.00", "100.00"},
                          {-0.001, "###.00", ".00"},
                          {-0.0, "##0", "0"},
                          // Values no pattern was made for.
                          {std::numeric_limits<double>::quiet_NaN(), "##0.00", "NaN"},
                          {HUGE_VAL, "##0.00", "Inf"},
                          {-HUGE_VAL, "##0.00", "-Inf"},
                          {5e-324, "0.00", "0.00"}};
    for (const Case& c : cases) EXPECT_EQ(format(c.value, c.pattern), c.text) << c.value << " as " << c.pattern;
    EXPECT_EQ(format(1e300, "0").size(), 301u);
}

TEST(NumberText, PlainAndSigned) {
    const std::pair<float, const char*> plain[] = {{100, "100"},
                                                   {9.5f, "9.5"},
                                                   {41.24f, "41.24"},
                                                   {0.5f, "0.5"},
                                                   {-0.25f, "-0.25"},
                                                   {0, "0"},
                                                   {0.1f, "0.1"},
                                                   {1e-5f, "0.00001"},
                                                   {1.5e16f, "1.5E+16"},
                                                   {2e-7f, "2E-07"},
                                                   {-3.4028235e38f, "-3.4028235E+38"},
                                                   // The float nearest 123456789 is 123456792: eight digits show it.
                                                   {123456789.0f, "123456790"}};
    for (auto [value, text] : plain) EXPECT_EQ(plainNumber(value), text);
    const std::pair<float, const char*> withSign[] = {{5, " 5"},      {24, " 24"},     {0.5f, " .5"},
                                                      {-0.5f, "-.5"}, {-2.5f, "-2.5"}, {0, " 0"}};
    for (auto [value, text] : withSign) EXPECT_EQ(signedNumber(value), text);
}

TEST(NumberRead, LeadingNumber) {
    const std::pair<const char*, double> cases[] = {{"5.6R", 5.6},
                                                    {"2.5BG", 2.5},
                                                    {"10RP", 10},
                                                    {"5 R", 5},
                                                    {" 1 2", 12},
                                                    {"-.25x", -0.25},
                                                    {"1e3", 1000},
                                                    {"1D-2", 0.01},
                                                    {".5", 0.5},
                                                    {"5E", 5},
                                                    {"2.5E", 2.5},
                                                    {"5E+x", 5},
                                                    {"R", 0},
                                                    {"", 0},
                                                    {"-.", 0},
                                                    {"1e999", HUGE_VAL},
                                                    {"-1e999", -HUGE_VAL},
                                                    {"1e-999", 0},
                                                    {"1e99999999999999999999", HUGE_VAL}};
    for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(NumberRead, ParseNumber) {
    const std::pair<const char*, double> good[] = {{"12.5", 12.5}, {" -3 ", -3}, {"1E3", 1000}, {".5", 0.5}, {"5.", 5}};
    for (auto [text, value] : good) EXPECT_EQ(parseNumber(text), value) << text;
    for (const char* bad : {"", " ", "abc", "12abc", "1,5", "1 2", "+", "5E", "1e999"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(NumberRead, PlainDecimal) {
    for (const char* plain : {"12", "-0.5", "+3", ".5", "5.", "0", "007.250"})
        EXPECT_TRUE(isPlainDecimal(plain)) << plain;
    for (const char* other : {"", "abc", "12abc", " 1", "1 ", "1e3", "1E3", "nan", "inf", "-inf", "0x10", "+", "-", ".",
                              "-.", "1.2.3", "1,5", "--1", "5R"})
        EXPECT_FALSE(isPlainDecimal(other)) << other;
}

}  // namespace
}  // namespace tintara::textio
