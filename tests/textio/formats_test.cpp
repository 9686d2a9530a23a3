#include "textio/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tintara::textio {
namespace {

TEST(Format, DisplayPatterns) {
    EXPECT_EQ(format(0.5, "##0.00"), "0.50");
    EXPECT_EQ(format(41.237, "##0.00"), "41.24");
    EXPECT_EQ(format(1234.5, "##0.00"), "1234.50");
    EXPECT_EQ(format(0.31006, "0.0000"), "0.3101");
    EXPECT_EQ(format(52.346, "###.00"), "52.35");
    EXPECT_EQ(format(0.5, "###.00"), ".50");
    EXPECT_EQ(format(-0.25, "###.00"), "-.25");
    EXPECT_EQ(format(1.234, "##.00"), "1.23");
    EXPECT_EQ(format(0.4, "##.00"), ".40");
    EXPECT_EQ(format(0.31006, ".0000"), ".3101");
    EXPECT_EQ(format(7, "##0"), "7");
    EXPECT_EQ(format(0, "##0"), "0");
    EXPECT_EQ(format(255, "##0"), "255");
    EXPECT_EQ(format(5, "   #.##"), "   5.");
    EXPECT_EQ(format(5.25, "   #.##"), "   5.25");
    EXPECT_EQ(format(0.5, "   #.##"), "   .5");
    EXPECT_EQ(format(6.1, " ##.00"), " 6.10");
    EXPECT_EQ(format(-6.1, " ##.00"), " -6.10");
}

TEST(Format, RoundsHalvesAwayFromZeroOnTheBinaryValue) {
    EXPECT_EQ(format(0.125, "0.00"), "0.13");  // exactly representable half
    EXPECT_EQ(format(2.5, "##0"), "3");
    EXPECT_EQ(format(-2.5, "##0"), "-3");
    EXPECT_EQ(format(1.005, "0.00"), "1.00");  // stored as 1.00499999999999989...
    EXPECT_EQ(format(9.995, "0.00"), "9.99");  // stored as 9.99499999999999922...
    EXPECT_EQ(format(99.996, "##.00"), "100.00");
    EXPECT_EQ(format(-0.001, "###.00"), ".00");
    EXPECT_EQ(format(-0.0, "##0"), "0");
}

TEST(Format, NonFiniteValues) {
    EXPECT_EQ(format(std::numeric_limits<double>::quiet_NaN(), "##0.00"), "NaN");
    EXPECT_EQ(format(HUGE_VAL, "##0.00"), "Inf");
    EXPECT_EQ(format(-HUGE_VAL, "##0.00"), "-Inf");
    EXPECT_EQ(format(1e300, "0").size(), 301u);
    EXPECT_EQ(format(5e-324, "0.00"), "0.00");
}

TEST(NumberText, PlainNumber) {
    EXPECT_EQ(plainNumber(100), "100");
    EXPECT_EQ(plainNumber(9.5f), "9.5");
    EXPECT_EQ(plainNumber(41.24f), "41.24");
    EXPECT_EQ(plainNumber(0.5f), "0.5");
    EXPECT_EQ(plainNumber(-0.25f), "-0.25");
    EXPECT_EQ(plainNumber(0), "0");
    EXPECT_EQ(plainNumber(0.1f), "0.1");
    EXPECT_EQ(plainNumber(1e-5f), "0.00001");
    EXPECT_EQ(plainNumber(1.5e16f), "1.5E+16");
    EXPECT_EQ(plainNumber(2e-7f), "2E-07");
    EXPECT_EQ(plainNumber(-3.4028235e38f), "-3.4028235E+38");
    EXPECT_EQ(plainNumber(123456789.0f), "123456790");  // float is 123456792, 8 apart
}

TEST(NumberText, SignedNumber) {
    EXPECT_EQ(signedNumber(5), " 5");
    EXPECT_EQ(signedNumber(24), " 24");
    EXPECT_EQ(signedNumber(0.5f), " .5");
    EXPECT_EQ(signedNumber(-0.5f), "-.5");
    EXPECT_EQ(signedNumber(-2.5f), "-2.5");
    EXPECT_EQ(signedNumber(0), " 0");
}

TEST(NumberRead, LeadingNumber) {
    EXPECT_DOUBLE_EQ(leadingNumber("5.6R"), 5.6);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5BG"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber("10RP"), 10);
    EXPECT_DOUBLE_EQ(leadingNumber("5 R"), 5);
    EXPECT_DOUBLE_EQ(leadingNumber(" 1 2"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("-.25x"), -0.25);
    EXPECT_DOUBLE_EQ(leadingNumber("1e3"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber("1D-2"), 0.01);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("5E"), 5);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5E"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber("5E+x"), 5);
    EXPECT_EQ(leadingNumber("R"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-."), 0);
    EXPECT_EQ(leadingNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(leadingNumber("-1e999"), -HUGE_VAL);
    EXPECT_EQ(leadingNumber("1e-999"), 0);
    EXPECT_EQ(leadingNumber("1e99999999999999999999"), HUGE_VAL);
}

TEST(NumberRead, ParseNumber) {
    double v = 0;
    EXPECT_TRUE(parseNumber("12.5", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(parseNumber(" -3 ", v));
    EXPECT_EQ(v, -3);
    EXPECT_TRUE(parseNumber("1E3", v));
    EXPECT_EQ(v, 1000);
    EXPECT_TRUE(parseNumber(".5", v));
    EXPECT_EQ(v, 0.5);
    EXPECT_TRUE(parseNumber("5.", v));
    EXPECT_EQ(v, 5);
    for (const char* bad : {"", " ", "abc", "12abc", "1,5", "1 2", "+", "5E", "1e999"}) {
        v = 42;
        EXPECT_FALSE(parseNumber(bad, v)) << bad;
        EXPECT_EQ(v, 42) << bad;
    }
}

}  // namespace
}  // namespace tintara::textio
