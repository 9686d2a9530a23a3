// XYZ to display RGB and back. Expected values are the published sRGB / BT.709
// matrices (the figures of display_matrices.h) applied by hand in double to
// the working values X / 100 * kX, Y / 100, Z / 100 * kZ, then encoded as
// floor(255 * gain * lin ^ exponent).
#include "colorimetry/display.h"

#include <limits>

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

const DisplaySettings startup{};

struct LinearCase {
    Condition condition;
    LinearRgb rgb;
    Xyz xyz;  // on the 0..1 scale
};

// Pure primaries give the inverse matrix's columns divided by kX and kZ, and
// through the forward matrix pin each of its coefficients.
const LinearCase primaries[] = {
    {Condition::C2, {1, 0, 0}, {0.4255884f, 0.2126710f, 0.0209941f}},
    {Condition::C2, {0, 1, 0}, {0.3689678f, 0.7151600f, 0.1294272f}},
    {Condition::C2, {0, 0, 1}, {0.1861689f, 0.0721690f, 1.0318158f}},
    {Condition::D50_2, {1, 0, 0}, {0.4184197f, 0.2126710f, 0.0146530f}},
    {Condition::D50_2, {0, 1, 0}, {0.3627529f, 0.7151600f, 0.0903348f}},
    {Condition::D50_2, {0, 0, 1}, {0.1830331f, 0.0721690f, 0.7201646f}},
    {Condition::D65_10, {1, 0, 0}, {0.4114290f, 0.2126710f, 0.0190536f}},
    {Condition::D65_10, {0, 1, 0}, {0.3566922f, 0.7151600f, 0.1174645f}},
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

struct DisplayCase {
    Condition condition;
    Xyz xyz;
    LinearRgb linear;
    int R, G, B;
};

// A red, green and blue whose every channel lies inside the display range, so
// that each coefficient of each row reaches the result; none of the encoded
// components lies within 0.02 of a whole number.
const DisplayCase chromatic[] = {
    {Condition::C2, {35, 20, 5}, {0.7687770f, 0.0483426f, 0.0267524f}, 226, 64, 49},
    {Condition::C2, {30, 50, 15}, {0.1046973f, 0.6619342f, 0.0602136f}, 91, 211, 71},
    {Condition::C2, {20, 12, 60}, {0.1681664f, 0.0602129f, 0.5705247f}, 113, 71, 197},
    {Condition::D50_2, {35, 20, 5}, {0.7776746f, 0.0435379f, 0.0481443f}, 227, 61, 64},
    {Condition::D50_2, {30, 50, 15}, {0.0910365f, 0.6595904f, 0.1236965f}, 85, 211, 98},
    {Condition::D50_2, {20, 12, 60}, {0.0597184f, 0.0669310f, 0.8235322f}, 70, 74, 233},
    {Condition::D65_10, {35, 20, 5}, {0.8042670f, 0.0372228f, 0.0323601f}, 230, 57, 53},
    {Condition::D65_10, {30, 50, 15}, {0.1301077f, 0.6528206f, 0.0756449f}, 100, 210, 78},
    {Condition::D65_10, {20, 12, 60}, {0.1617283f, 0.0560858f, 0.6303937f}, 111, 68, 206},
};

TEST(DisplayRgb, ChromaticColoursUnderEachCondition) {
    for (const DisplayCase& k : chromatic) {
        SCOPED_TRACE(testing::Message() << int(k.condition) << ": " << k.xyz.X << " " << k.xyz.Y << " " << k.xyz.Z);
        const DisplayRgb rgb = displayRgbFromXyz(k.xyz, k.condition, startup);
        EXPECT_TRIPLE_NEAR(rgb.linear.r, rgb.linear.g, rgb.linear.b, k.linear.r, k.linear.g, k.linear.b, 1e-6f);
        EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, k.R, k.G, k.B, 0);
        EXPECT_FALSE(rgb.outOfGamut);
    }
    // Each channel takes its own gain and exponent: the cyan under C with gains
    // 1, 0.9, 0.6 and gammas 1.8, 2.2, 2.6 gives 82.78, 173.20, 118.21.
    DisplaySettings display;
    display.gain = {1, 1, 0.9f, 0.6f};
    display.exponent = {1, 1 / 1.8f, 1 / 2.2f, 1 / 2.6f};
    const DisplayRgb rgb = displayRgbFromXyz({35, 45, 60}, Condition::C2, display);
    EXPECT_TRIPLE_NEAR(rgb.R, rgb.G, rgb.B, 82, 173, 118, 0);
}

TEST(DisplayRgb, NeutralsWhitesAndTheGamutEdges) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        Condition condition;
        Xyz xyz;
        int R, G, B;
        bool outOfGamut;
    } cases[] = {
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
    }
    const DisplayRgb red = displayRgbFromXyz({80, 30, 5}, Condition::D65_10, startup);
    EXPECT_TRIPLE_NEAR(red.linear.r, red.linear.g, red.linear.b, 2.1124f, 0.0f, 0.03706f, 1e-4f);
}

// (v / gain / 255) ^ (1 / exponent), the inverse of the display encoding.
TEST(DisplayRgb, ComponentsBackToLinear) {
    const struct {
        int component;
        float gain, exponent, linear;
    } cases[] = {{255, 1, 1 / 2.2f, 1},
                 {0, 1, 1 / 2.2f, 0},
                 {128, 1, 1 / 2.2f, 0.2195197f},     // (128/255)^2.2
                 {128, 0.5f, 1 / 2.2f, 1.0086478f},  // (256/255)^2.2
                 {64, 1, 1 / 1.8f, 0.0830523f}};     // (64/255)^1.8
    for (const auto& k : cases)
        EXPECT_NEAR(linearFromComponent(k.component, k.gain, k.exponent), k.linear, 2e-7f) << k.component;
    DisplaySettings display;
    display.gain = {1, 1, 0.5f, 1};
    display.exponent = {1, 1 / 2.2f, 1 / 2.2f, 1 / 1.8f};
    const LinearRgb lin = linearFromComponents(0, 128, 64, display);
    EXPECT_TRIPLE_NEAR(lin.r, lin.g, lin.b, 0.0f, 1.0086478f, 0.0830523f, 2e-7f);
}

}  // namespace
}  // namespace tintara::colorimetry
