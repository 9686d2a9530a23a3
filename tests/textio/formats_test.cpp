#include "textio/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace tintara::textio {
namespace {

// Halves round away from zero, judged on the binary value: 0.125 is an exact
// half, 1.005 is stored as 1.00499999999999989... and 9.995 as 9.99499...
// NaN, infinities and the smallest double are values no pattern was made for.
TEST(Format, Patterns) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, std::vector<std::pair<double, const char*>>> byPattern[] = {
        {"##0.00",
         {{0.5, "0.50"}, {41.237, "41.24"}, {1234.5, "1234.50"}, {nan, "NaN"}, {HUGE_VAL, "Inf"}, {-HUGE_VAL, "-Inf"}}},
        {"0.0000", {{0.31006, "0.3101"}}},
        {".0000", {{0.31006, ".3101"}}},
        {"###.00", {{52.346, "52.35"}, {0.5, ".50"}, {-0.25, "-.25"}, {-0.001, ".00"}}},
        {"##.00", {{1.234, "1.23"}, {0.4, ".40"}, {99.996, "100.00"}}},
        {"##0", {{7, "7"}, {0, "0"}, {255, "255"}, {2.5, "3"}, {-2.5, "-3"}, {-0.0, "0"}}},
        {"   #.##", {{5, "   5."}, {5.25, "   5.25"}, {0.5, "   .5"}}},
        {" ##.00", {{6.1, " 6.10"}, {-6.1, " -6.10"}}},
        {"0.00", {{0.125, "0.13"}, {1.005, "1.00"}, {9.995, "9.99"}, {5e-324, "0.00"}}}};
    for (const auto& [pattern, cases] : byPattern)
        for (const auto& [value, text] : cases) EXPECT_EQ(format(value, pattern), text) << value << " as " << pattern;
    EXPECT_EQ(format(1e300, "0").size(), 301u);
}

TEST(NumberText, PlainAndSigned) {
    const std::pair<float, const char*> plain[] = {
        {100, "100"}, {9.5f, "9.5"}, {41.24f, "41.24"},  {0.5f, "0.5"},        {-0.25f, "-0.25"},
        {0, "0"},     {0.1f, "0.1"}, {1e-5f, "0.00001"}, {1.5e16f, "1.5E+16"}, {2e-7f, "2E-07"}};
    for (auto [value, text] : plain) EXPECT_EQ(plainNumber(value), text);
    EXPECT_EQ(plainNumber(-3.4028235e38f), "-3.4028235E+38");
    EXPECT_EQ(plainNumber(123456789.0f), "123456790");  // the float nearest is 123456792: eight digits show it
    const std::pair<float, const char*> withSign[] = {{5, " 5"},      {24, " 24"},     {0.5f, " .5"},
                                                      {-0.5f, "-.5"}, {-2.5f, "-2.5"}, {0, " 0"}};
    for (auto [value, text] : withSign) EXPECT_EQ(signedNumber(value), text);
}

TEST(NumberRead, LeadingNumber) {
    const std::pair<const char*, double> cases[] = {{"5.6R", 5.6}, {"2.5BG", 2.5},   {"10RP", 10},  {"5 R", 5},
                                                    {" 1 2", 12},  {"-.25x", -0.25}, {"1e3", 1000}, {"1D-2", 0.01},
                                                    {".5", 0.5},   {"5E", 5},        {"2.5E", 2.5}, {"5E+x", 5},
                                                    {"R", 0},      {"", 0},          {"-.", 0},     {"1e-999", 0}};
    for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
    for (const char* huge : {"1e999", "-1e999", "1e99999999999999999999"})
        EXPECT_EQ(leadingNumber(huge), huge[0] == '-' ? -HUGE_VAL : HUGE_VAL) << huge;
}

TEST(NumberRead, WholeTextNumbersAndPlainDecimals) {
    const std::pair<const char*, double> good[] = {{"12.5", 12.5}, {" -3 ", -3}, {"1E3", 1000}, {".5", 0.5}, {"5.", 5}};
    for (auto [text, value] : good) EXPECT_EQ(parseNumber(text), value) << text;
    for (const char* bad : {"", " ", "abc", "12abc", "1,5", "1 2", "+", "5E", "1e999"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;

    for (const char* plain : {"12", "-0.5", "+3", ".5", "5.", "0", "007.250"})
        EXPECT_TRUE(isPlainDecimal(plain)) << plain;
    for (const char* other : {"", "abc", "12abc", " 1", "1 ", "1e3", "1E3", "nan", "inf", "-inf", "0x10", "+", "-", ".",
                              "-.", "1.2.3", "1,5", "--1", "5R"})
        EXPECT_FALSE(isPlainDecimal(other)) << other;
}

}  // namespace
}  // namespace tintara::textio
