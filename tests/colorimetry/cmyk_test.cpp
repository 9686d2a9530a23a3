// Linear RGB to inks and back. Expected values are worked by hand in double,
// with every kept intermediate rounded to single precision as the conversion
// keeps it: inks 1 - lin ^ 0.4545, black the smallest ink less 0.2.
#include "colorimetry/cmyk.h"

#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

const DisplaySettings startup{};

struct InkCase {
    LinearRgb rgb;
    float C, M, Y, K;
};

TEST(Cmyk, GreyComponentBlackOnBothSidesOfTheThreshold) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const InkCase cases[] = {
        // Black: K holds the float just above 0.8, so 1 - K is just below 0.2.
        {{0, 0, 0}, 19, 19, 19, 80},
        {{1, 1, 1}, 0, 0, 0, 0},
        // Each ink the smallest in turn, 0.2151 just past the threshold: black
        // 0.0151 comes off every ink (without it the inks would be 21, 27, 34).
        {{0.587f, 0.5f, 0.4f}, 20, 25, 32, 1},
        {{0.4f, 0.587f, 0.5f}, 32, 20, 25, 1},
        {{0.5f, 0.4f, 0.587f}, 25, 32, 20, 1},
        // The smallest ink 0.1894, just short of it: no black.
        {{0.63f, 0.5f, 0.4f}, 18, 27, 34, 0},
        // Negative and NaN channels count as 0, full ink.
        {{1, -0.3f, 0}, 0, 100, 100, 0},
        {{1, nan, 1}, 0, 100, 0, 0},
    };
    for (const InkCase& k : cases) {
        SCOPED_TRACE(testing::Message() << k.rgb.r << " " << k.rgb.g << " " << k.rgb.b);
        const Cmyk inks = cmykFromLinearRgb(k.rgb, startup);
        EXPECT_TRIPLE_NEAR(inks.C, inks.M, inks.Y, k.C, k.M, k.Y, 0.0f);
        EXPECT_EQ(inks.K, k.K);
    }
    // Each channel takes its own ink exponent: 0.4, 0.5, 0.6 for (0.3, 0.4, 0.2).
    DisplaySettings own;
    own.inkExponent = {1, 0.4f, 0.5f, 0.6f};
    const Cmyk inks = cmykFromLinearRgb({0.3f, 0.4f, 0.2f}, own);
    EXPECT_TRIPLE_NEAR(inks.C, inks.M, inks.Y, 21.0f, 20.0f, 45.0f, 0.0f);
    EXPECT_EQ(inks.K, 16.0f);

    const LinearRgb raised = withoutNegatives({-0.5f, nan, 0.25f});
    EXPECT_TRIPLE_NEAR(raised.r, raised.g, raised.b, 0.0f, 0.0f, 0.25f, 0.0f);
}

// (1 - ink) - k limited to 0..1, raised to 1 / 0.4545 and limited again; the
// components round (floor of value + 0.5).
TEST(Cmyk, InksBackToLinearAndRoundedComponents) {
    const struct {
        InkFractions inks;
        LinearRgb linear;
        int R, G, B;
    } cases[] = {
        {{0, 0, 0, 0}, {1, 1, 1}, 255, 255, 255},
        {{0, 0, 0, 1}, {0, 0, 0}, 0, 0, 0},
        {{0.2f, 0.5f, 0.7f, 0.1f}, {0.4562276f, 0.1331817f, 0.0289809f}, 178, 102, 51},
        // 0.6 + 0.5 passes 1: the base is limited to 0.
        {{0.6f, 0.3f, 0.1f, 0.5f}, {0, 0.0289809f, 0.1331817f}, 0, 51, 102},
        {{0.1f, 0.2f, 0.3f, 0.05f}, {0.6993686f, 0.5310156f, 0.3875861f}, 217, 191, 166},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.inks.c << " " << k.inks.m << " " << k.inks.y << " " << k.inks.k);
        const LinearRgb lin = linearFromInks(k.inks, startup);
        EXPECT_TRIPLE_NEAR(lin.r, lin.g, lin.b, k.linear.r, k.linear.g, k.linear.b, 2e-7f);
        const RoundedRgb rgb = roundedComponents(lin, startup);
        EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, k.R, k.G, k.B, 0);
        EXPECT_FALSE(rgb.clamped);
    }

    // Every channel with its own ink exponent, gain and display exponent.
    DisplaySettings own;
    own.inkExponent = {1, 0.4f, 0.5f, 0.6f};
    own.gain = {1, 1, 0.9f, 0.6f};
    own.exponent = {1, 1 / 1.8f, 1 / 2.2f, 1 / 2.6f};
    const LinearRgb lin = linearFromInks({0.2f, 0.5f, 0.7f, 0.1f}, own);
    EXPECT_TRIPLE_NEAR(lin.r, lin.g, lin.b, 0.4099634f, 0.16f, 0.0683990f, 2e-7f);
    const RoundedRgb rgb = roundedComponents(lin, own);
    EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, 155, 100, 55, 0);

    // A gain above 1 takes white past 255: clamped, and said so. 255 * 1.001
    // rounds to 255 and is not; 255 * 1.003 rounds to 256 and is.
    DisplaySettings bright;
    bright.gain = {1, 1.2f, 1, 1};
    const RoundedRgb over = roundedComponents({1, 0.2176044f, 0.0707215f}, bright);
    EXPECT_TRIPLE_NEAR(over.R, over.G, over.B, 255, 127, 76, 0);
    EXPECT_TRUE(over.clamped);
    for (const auto& [gain, clamped] : {std::pair{1.001f, false}, std::pair{1.003f, true}}) {
        bright.gain = {1, 1, 1, gain};
        const RoundedRgb edge = roundedComponents({0, 0, 1}, bright);
        EXPECT_EQ(edge.B, 255) << gain;
        EXPECT_EQ(edge.clamped, clamped) << gain;
    }
}

}  // namespace
}  // namespace tintara::colorimetry
