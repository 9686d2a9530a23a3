#include "colorimetry/display.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

const DisplaySettings startup{};

TEST(Display, NeutralsAndWhites) {
    // Each condition with its white's X and Z.
    for (auto [c, Xw, Zw] : {std::tuple{Condition::C2, 98.074f, 118.232f}, std::tuple{Condition::D50_2, 96.42f, 82.49f},
                             std::tuple{Condition::D65_10, 94.811f, 107.304f}}) {
        // Y = 20 at the white's chromaticity: floor(255 * 0.2^(1/2.2)) = 122.
        float X = Xw * 0.2f, Y = 20.0f, Z = Zw * 0.2f;
        DisplayRgb grey = xyzrgb(X, Y, Z, c, startup);
        EXPECT_TRIPLE_NEAR(grey.R, grey.G, grey.B, 122, 122, 122, 0);
        EXPECT_FALSE(grey.outOfGamut);

        X = Xw, Y = 100, Z = Zw;
        DisplayRgb white = xyzrgb(X, Y, Z, c, startup);
        EXPECT_TRIPLE_NEAR(white.R, white.G, white.B, 254.5, 254.5, 254.5, 0.5);
        // The working values are the D65 white on the 0..1 scale.
        EXPECT_TRIPLE_NEAR(X, Y, Z, 0.95047f, 1.0f, 1.08883f, 5e-4f);
    }
}

TEST(Display, OutOfGamutColoursAreClampedNotZeroed) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Black; a saturated red under D65/10; far above white; NaN.
    for (auto [c, X0, Y0, Z0, R, G, B] : {std::tuple{Condition::C2, 0.0f, 0.0f, 0.0f, 0, 0, 0},
                                          std::tuple{Condition::D65_10, 80.0f, 30.0f, 5.0f, 255, 0, 57},
                                          std::tuple{Condition::C2, 1e30f, 1e30f, 1e30f, 255, 255, 255},
                                          std::tuple{Condition::C2, nan, nan, nan, 0, 0, 0}}) {
        SCOPED_TRACE(X0);
        float X = X0, Y = Y0, Z = Z0;
        DisplayRgb rgb = xyzrgb(X, Y, Z, c, startup);
        EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, R, G, B, 0);
        EXPECT_TRUE(rgb.outOfGamut);
        // Hand-worked linear red (2.1124, -0.2124, 0.03706): the negative is raised to 0.
        if (X0 == 80) EXPECT_TRIPLE_NEAR(rgb.linR, rgb.linG, rgb.linB, 2.1124f, 0.0f, 0.03706f, 1e-4f);
    }
}

TEST(Display, RgbToXyzAndCmyk) {
    float X, Y, Z;
    rgbxyz(1, 1, 1, X, Y, Z, Condition::C2);  // 0.950456 / 0.969136, 1, 1.088754 / 0.920927
    EXPECT_TRIPLE_NEAR(X, Y, Z, 0.98074f, 1.0f, 1.18224f, 1e-4f);

    struct Case {
        float r, g, b, C, M, Y, K;
    };
    // Black, white, and pure red (no grey component) whose negative green is
    // raised to 0 in the caller's variable.
    for (const Case& k :
         {Case{0, 0, 0, 19, 19, 19, 80}, Case{1, 1, 1, 0, 0, 0, 0}, Case{1, -0.3f, 0, 0, 100, 100, 0}}) {
        float r = k.r, g = k.g, b = k.b;
        Cmyk cmyk = rgbcmyk(r, g, b, startup);
        EXPECT_TRIPLE_NEAR(cmyk.C, cmyk.M, cmyk.Y, k.C, k.M, k.Y, 0.0f);
        EXPECT_EQ(cmyk.K, k.K);
        EXPECT_EQ(g, std::max(k.g, 0.0f));
    }
}

}  // namespace
}  // namespace tintara::colorimetry
