// XYZ to display RGB and back, and linear RGB to inks and back. Expected
// values are the published sRGB / BT.709 matrices (the figures of
// display_matrices.h) applied by hand in double to the working values
// X / 100 * kX, Y / 100, Z / 100 * kZ, then encoded as floor(255 * gain *
// lin ^ exponent); inks 1 - lin ^ 0.4545, black the smallest ink less 0.2,
// with every kept intermediate rounded to single precision as the conversion
// keeps it.
#include <limits>
#include <utility>

#include "colorimetry/cmyk.h"
#include "colorimetry/display.h"

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

const DisplaySettings startup{};

// Every channel with its own ink exponent, gain and display exponent.
DisplaySettings ownPerChannel() {
    DisplaySettings own;
    own.inkExponent = {1, 0.4f, 0.5f, 0.6f};
    own.gain = {1, 1, 0.9f, 0.6f};
    own.exponent = {1, 1 / 1.8f, 1 / 2.2f, 1 / 2.6f};
    return own;
}

struct LinearCase {
    Condition condition;
    LinearRgb rgb;
    Xyz xyz;  // on the 0..1 scale
};

// Pure primaries give the inverse matrix's columns divided by kX and kZ, and
// through the forward matrix pin each of its coefficients: all three under C,
// and one under each other condition for its kX and kZ.
const LinearCase primaries[] = {
    {Condition::C2, {1, 0, 0}, {0.4255884f, 0.2126710f, 0.0209941f}},
    {Condition::C2, {0, 1, 0}, {0.3689678f, 0.7151600f, 0.1294272f}},
    {Condition::C2, {0, 0, 1}, {0.1861689f, 0.0721690f, 1.0318158f}},
    {Condition::D50_2, {1, 0, 0}, {0.4184197f, 0.2126710f, 0.0146530f}},
    {Condition::D65_10, {0, 0, 1}, {0.1799750f, 0.0721690f, 0.9364472f}},
};

// Both matrices, both ways: the primaries' XYZ by hand, and that XYZ (times
// 100) back through the forward matrix to the primary. The two published
// matrices are inverse to within 1.4e-6.
TEST(DisplayMatrices, PrimariesBothWaysUnderEachCondition) {
    for (const LinearCase& k : primaries) {
        SCOPED_TRACE(testing::Message() << int(k.condition) << ": " << k.rgb.r << " " << k.rgb.g << " " << k.rgb.b);
        const Xyz xyz = xyzFromLinearRgb(k.rgb, k.condition);
        EXPECT_TRIPLE_NEAR(xyz.X, xyz.Y, xyz.Z, k.xyz.X, k.xyz.Y, k.xyz.Z, 2e-7f);
        const LinearRgb back = linearRgbFromXyz({k.xyz.X * 100, k.xyz.Y * 100, k.xyz.Z * 100}, k.condition);
        EXPECT_TRIPLE_NEAR(back.r, back.g, back.b, k.rgb.r, k.rgb.g, k.rgb.b, 2e-6f);
    }
}

// Each channel takes its own gain and exponent: the cyan under C with gains
// 1, 0.9, 0.6 and gammas 1.8, 2.2, 2.6 gives 82.78, 173.20, 118.21.
TEST(DisplayRgb, ChromaticColoursNeutralsWhitesAndTheGamutEdges) {
    const DisplayRgb cyan = displayRgbFromXyz({35, 45, 60}, Condition::C2, ownPerChannel());
    EXPECT_TRIPLE_NEAR(cyan.R, cyan.G, cyan.B, 82, 173, 118, 0);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        Condition condition;
        Xyz xyz;
        int R, G, B;
        bool outOfGamut;
        LinearRgb linear{-1, -1, -1};  // where worked to 1e-6
    } cases[] = {
        // The primaries above pin each coefficient under each condition; a
        // red, a green and a blue, one under each condition, with every
        // channel inside the display range, pin the encoding; none of their
        // encoded components lies within 0.02 of a whole number.
        {Condition::C2, {35, 20, 5}, 226, 64, 49, false, {0.7687770f, 0.0483426f, 0.0267524f}},
        {Condition::D50_2, {30, 50, 15}, 85, 211, 98, false, {0.0910365f, 0.6595904f, 0.1236965f}},
        {Condition::D65_10, {20, 12, 60}, 111, 68, 206, false, {0.1617283f, 0.0560858f, 0.6303937f}},
        // Y = 20 at each white's chromaticity: floor(255 * 0.2 ^ (1 / 2.2)) = 122.
        {Condition::C2, {98.074f * 0.2f, 20, 118.232f * 0.2f}, 122, 122, 122, false},
        {Condition::D50_2, {96.42f * 0.2f, 20, 82.49f * 0.2f}, 122, 122, 122, false},
        {Condition::D65_10, {94.811f * 0.2f, 20, 107.304f * 0.2f}, 122, 122, 122, false},
        // The D65/10 white: linear (1.0000078, 0.9999908, 1.0000805), so
        // each channel lands at or one below 255, never above.
        {Condition::D65_10, {94.811f, 100, 107.304f}, 255, 254, 255, false},
        // Black and a zero tristimulus value count as outside the display.
        {Condition::C2, {0, 0, 0}, 0, 0, 0, true},
        {Condition::C2, {20, 20, 0}, 152, 119, 0, true},
        // A saturated red: linear (2.1124, -0.2124, 0.03706) under D65/10,
        // clamped, not zeroed; far above white; NaN.
        {Condition::D65_10, {80, 30, 5}, 255, 0, 57, true},
        {Condition::C2, {1e30f, 1e30f, 1e30f}, 255, 255, 255, true},
        {Condition::C2, {nan, nan, nan}, 0, 0, 0, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.xyz.X << " " << k.xyz.Y << " " << k.xyz.Z);
        const DisplayRgb rgb = displayRgbFromXyz(k.xyz, k.condition, startup);
        EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, k.R, k.G, k.B, 0);
        EXPECT_EQ(rgb.outOfGamut, k.outOfGamut);
        if (k.linear.r >= 0)
            EXPECT_TRIPLE_NEAR(rgb.linear.r, rgb.linear.g, rgb.linear.b, k.linear.r, k.linear.g, k.linear.b, 1e-6f);
    }
    const DisplayRgb red = displayRgbFromXyz({80, 30, 5}, Condition::D65_10, startup);
    EXPECT_TRIPLE_NEAR(red.linear.r, red.linear.g, red.linear.b, 2.1124f, 0.0f, 0.03706f, 1e-4f);
}

// (v / gain / 255) ^ (1 / exponent), the inverse of the display encoding.
TEST(DisplayRgb, ComponentsBackToLinear) {
    const struct {
        int component;
        float gain, exponent, linear;
    } cases[] = {{255, 1, 1 / 2.2f, 1}, {0, 1, 1 / 2.2f, 0}, {128, 1, 1 / 2.2f, 0.2195197f}};  // (128/255)^2.2
    for (const auto& k : cases)
        EXPECT_NEAR(linearFromComponent(k.component, k.gain, k.exponent), k.linear, 2e-7f) << k.component;
    // Each channel its own: (128/255)^1.8, (128/0.9/255)^2.2, (64/0.6/255)^2.6.
    const LinearRgb lin = linearFromComponents(128, 128, 64, ownPerChannel());
    EXPECT_TRIPLE_NEAR(lin.r, lin.g, lin.b, 0.2892049f, 0.2767834f, 0.1037218f, 2e-7f);
}

TEST(Cmyk, GreyComponentBlackOnBothSidesOfTheThreshold) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        LinearRgb rgb;
        float C, M, Y, K;
    } cases[] = {
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
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.rgb.r << " " << k.rgb.g << " " << k.rgb.b);
        const Cmyk inks = cmykFromLinearRgb(k.rgb, startup);
        EXPECT_TRIPLE_NEAR(inks.C, inks.M, inks.Y, k.C, k.M, k.Y, 0.0f);
        EXPECT_EQ(inks.K, k.K);
    }
    // Each channel takes its own ink exponent: 0.4, 0.5, 0.6 for (0.3, 0.4, 0.2).
    const Cmyk inks = cmykFromLinearRgb({0.3f, 0.4f, 0.2f}, ownPerChannel());
    EXPECT_TRIPLE_NEAR(inks.C, inks.M, inks.Y, 21.0f, 20.0f, 45.0f, 0.0f);
    EXPECT_EQ(inks.K, 16.0f);
    const LinearRgb raised = withoutNegatives({-0.5f, nan, 0.25f});
    EXPECT_TRIPLE_NEAR(raised.r, raised.g, raised.b, 0.0f, 0.0f, 0.25f, 0.0f);
}

// (1 - ink) - k limited to 0..1, raised to 1 / 0.4545 and limited again; the
// components round (floor of value + 0.5). The last case has every channel
// with its own ink exponent, gain and display exponent.
TEST(Cmyk, InksBackToLinearAndRoundedComponents) {
    const struct {
        InkFractions inks;
        DisplaySettings settings;
        LinearRgb linear;
        int R, G, B;
    } cases[] = {
        {{0, 0, 0, 0}, startup, {1, 1, 1}, 255, 255, 255},
        {{0, 0, 0, 1}, startup, {0, 0, 0}, 0, 0, 0},
        {{0.2f, 0.5f, 0.7f, 0.1f}, startup, {0.4562276f, 0.1331817f, 0.0289809f}, 178, 102, 51},
        // 0.6 + 0.5 passes 1: the base is limited to 0.
        {{0.6f, 0.3f, 0.1f, 0.5f}, startup, {0, 0.0289809f, 0.1331817f}, 0, 51, 102},
        {{0.1f, 0.2f, 0.3f, 0.05f}, startup, {0.6993686f, 0.5310156f, 0.3875861f}, 217, 191, 166},
        {{0.2f, 0.5f, 0.7f, 0.1f}, ownPerChannel(), {0.4099634f, 0.16f, 0.0683990f}, 155, 100, 55},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.inks.c << " " << k.inks.m << " " << k.inks.y << " " << k.inks.k);
        const LinearRgb lin = linearFromInks(k.inks, k.settings);
        EXPECT_TRIPLE_NEAR(lin.r, lin.g, lin.b, k.linear.r, k.linear.g, k.linear.b, 2e-7f);
        const RoundedRgb rgb = roundedComponents(lin, k.settings);
        EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, k.R, k.G, k.B, 0);
        EXPECT_FALSE(rgb.clamped);
    }
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
        EXPECT_TRUE(edge.B == 255 && edge.clamped == clamped) << gain;
    }
}

}  // namespace
}  // namespace tintara::colorimetry
