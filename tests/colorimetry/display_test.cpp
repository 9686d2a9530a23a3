#include "colorimetry/display.h"

#include <limits>

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

const DisplaySettings startup{};

TEST(Display, NeutralsAndWhites) {
    struct Case {
        Condition c;
        float X, Y, Z;  // white of the condition
    };
    for (const Case& k : {Case{Condition::C2, 98.074f, 100, 118.232f},
                          Case{Condition::D50_2, 96.42f, 100, 82.49f},
                          Case{Condition::D65_10, 94.811f, 100, 107.304f}}) {
        // Y = 20 at the white's chromaticity: floor(255 * 0.2^(1/2.2)) = 122.
        float X = k.X * 0.2f, Y = 20.0f, Z = k.Z * 0.2f;
        DisplayRgb grey = xyzrgb(X, Y, Z, k.c, startup);
        EXPECT_TRIPLE_NEAR(grey.R, grey.G, grey.B, 122, 122, 122, 0);
        EXPECT_FALSE(grey.outOfGamut);

        X = k.X, Y = k.Y, Z = k.Z;
        DisplayRgb white = xyzrgb(X, Y, Z, k.c, startup);
        for (int v : {white.R, white.G, white.B}) {
            EXPECT_GE(v, 254);
            EXPECT_LE(v, 255);
        }
        // The working values are the D65 white on the 0..1 scale.
        EXPECT_NEAR(X, 0.95047f, 1e-4f);
        EXPECT_NEAR(Y, 1.0f, 1e-6f);
        EXPECT_NEAR(Z, 1.08883f, 5e-4f);
    }
}

TEST(Display, OutOfGamutColoursAreClampedNotZeroed) {
    float X = 0, Y = 0, Z = 0;
    DisplayRgb black = xyzrgb(X, Y, Z, Condition::C2, startup);
    EXPECT_TRIPLE_NEAR(black.R, black.G, black.B, 0, 0, 0, 0);
    EXPECT_TRUE(black.outOfGamut);

    // Hand-worked under D65/10: linear (2.1124, -0.2124, 0.03706).
    X = 80, Y = 30, Z = 5;
    DisplayRgb red = xyzrgb(X, Y, Z, Condition::D65_10, startup);
    EXPECT_TRUE(red.outOfGamut);
    EXPECT_TRIPLE_NEAR(red.R, red.G, red.B, 255, 0, 57, 0);
    EXPECT_NEAR(red.linR, 2.1124f, 1e-4f);
    EXPECT_EQ(red.linG, 0.0f);
    EXPECT_NEAR(red.linB, 0.03706f, 1e-5f);

    // Far above white, and NaN: defined components, flagged.
    X = Y = Z = 1e30f;
    DisplayRgb bright = xyzrgb(X, Y, Z, Condition::C2, startup);
    EXPECT_EQ(bright.R, 255);
    EXPECT_TRUE(bright.outOfGamut);
    X = Y = Z = std::numeric_limits<float>::quiet_NaN();
    DisplayRgb nan = xyzrgb(X, Y, Z, Condition::C2, startup);
    EXPECT_TRIPLE_NEAR(nan.R, nan.G, nan.B, 0, 0, 0, 0);
    EXPECT_TRUE(nan.outOfGamut);
}

TEST(Display, RgbToXyzReturnsTheConditionWhite) {
    float X, Y, Z;
    rgbxyz(1, 1, 1, X, Y, Z, Condition::C2);
    EXPECT_NEAR(X, 0.98074f, 1e-4f);  // 0.950456 / 0.969136
    EXPECT_NEAR(Y, 1.0f, 1e-5f);
    EXPECT_NEAR(Z, 1.18224f, 1e-4f);  // 1.088754 / 0.920927
    rgbxyz(0, 0, 0, X, Y, Z, Condition::D50_2);
    EXPECT_EQ(X + Y + Z, 0.0f);
}

TEST(Display, RgbToCmyk) {
    float r = 0, g = 0, b = 0;
    Cmyk black = rgbcmyk(r, g, b, startup);
    EXPECT_TRIPLE_NEAR(black.C, black.M, black.Y, 19.0f, 19.0f, 19.0f, 0.0f);
    EXPECT_EQ(black.K, 80.0f);

    r = g = b = 1;
    Cmyk white = rgbcmyk(r, g, b, startup);
    EXPECT_EQ(white.C + white.M + white.Y + white.K, 0.0f);

    // Pure red: no grey component, full magenta and yellow; a negative input
    // is raised to 0 in the caller's variable.
    r = 1, g = -0.3f, b = 0;
    Cmyk red = rgbcmyk(r, g, b, startup);
    EXPECT_EQ(g, 0.0f);
    EXPECT_TRIPLE_NEAR(red.C, red.M, red.Y, 0.0f, 100.0f, 100.0f, 0.0f);
    EXPECT_EQ(red.K, 0.0f);
}

}  // namespace
}  // namespace tintara::colorimetry
