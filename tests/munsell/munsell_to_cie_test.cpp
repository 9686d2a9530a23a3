// The value function both ways, and Munsell to CIE. Expected chromaticities
// are interpolated by hand in the shipped table (hue, then chroma, then value),
// X = Y x / y and Z = Y / y - X - Y, and carried to D50 and D65/10 by the
// Bradford transform worked in double.
#include "munsell/munsell_to_cie.h"

#include <cmath>
#include <limits>

#include "colorimetry/expect_triple.h"

#include "munsell/shipped_table.h"
#include "munsell/value_function.h"

namespace tintara::munsell {
namespace {

using colorimetry::Condition;
using testkit::forward;

// The polynomial by hand; to their four figures these are the luminances of the
// 1943 renotation (1.21, 3.126, 6.555, 12.00, 19.77, 30.05, 43.06, 59.10,
// 78.66, 102.57 for values 1 to 10).
TEST(ValueFunction, BothWaysAcrossTheScale) {
    const struct {
        float V;
        double Y, Ypwd;
    } cases[] = {
        {0.25f, 0.29469, 0.28732}, {0.5f, 0.58182, 0.56728}, {1, 1.21013, 1.17988},      {1.7f, 2.42250, 2.36194},
        {2, 3.12619, 3.04803},     {2.4f, 4.28224, 4.17519}, {3, 6.55497, 6.39109},      {3.4f, 8.47086, 8.25909},
        {4, 12.00075, 11.70073},   {5, 19.76612, 19.27197},  {6, 30.05289, 29.30156},    {7, 43.06283, 41.98626},
        {8, 59.09864, 57.62118},   {9, 78.66471, 76.69809},  {9.5f, 90.00919, 87.75896}, {10, 102.56800, 100.00380}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.V);
        EXPECT_NEAR(yFromValue(k.V, false), k.Y, 1e-5 * k.Y + 5e-6);
        EXPECT_NEAR(yFromValue(k.V, true), k.Ypwd, 1e-5 * k.Y + 5e-6);
        EXPECT_NEAR(valueFromY(static_cast<float>(k.Y), false), k.V, 5e-6);
        EXPECT_NEAR(valueFromY(static_cast<float>(k.Ypwd), true), k.V, 5e-6);
    }
    // Y = 100 is value 9.90187 (9.99985 with the perfect white), found by
    // bisection of the polynomial; 0 stays 0, and a negative Y counts as 0.
    EXPECT_NEAR(valueFromY(100, false), 9.901868, 5e-6);
    EXPECT_NEAR(valueFromY(100, true), 9.999853, 5e-6);
    // Far above white (an XYZ entry may hold any Y) the start lies far from the
    // answer, and only the full 15 steps reach it: 19.32155 for Y = 1000.
    EXPECT_NEAR(valueFromY(1000, false), 19.32155, 5e-5);
    EXPECT_EQ(valueFromY(0, false), 0);
    EXPECT_EQ(valueFromY(-3, true), 0);
}

struct Case {
    float H, V, C;
    Condition condition;
    colorimetry::Xyz xyz;
    colorimetry::Chromaticity xy;
};

TEST(MunsellToXyz, InterpolatesInEveryDirectionUnderEachCondition) {
    const Case cases[] = {
        // A sample (5PB 5/10), then a hue, a chroma and a value between samples.
        {75, 5, 10, Condition::C2, {20.14382f, 19.76612f, 56.93535f}, {0.2080f, 0.2041f}},
        {1.25f, 5, 2, Condition::C2, {21.03274f, 19.76612f, 22.06049f}, {0.3346f, 0.31445f}},
        {0, 5, 1, Condition::C2, {20.20265f, 19.76612f, 22.84065f}, {0.32165f, 0.3147f}},
        {0, 5.5f, 2, Condition::C2, {25.96256f, 24.5829f, 27.8439f}, {0.3312f, 0.3136f}},
        // Between samples in all three at once.
        {75, 5.5f, 11, Condition::C2, {24.99333f, 24.5829f, 72.03101f}, {0.205525f, 0.20215f}},
        {62.5f, 3.4f, 5, Condition::C2, {6.536286f, 8.47086f, 16.35247f}, {0.20843f, 0.27012f}},
        {43.7f, 1.7f, 7.3f, Condition::C2, {0.8731056f, 2.422498f, 1.492094f}, {0.1823644f, 0.5059839f}},
        // Below value 1 the chromaticity is that of value 1 (5PB 1/2): value
        // level 0 repeats level 1.
        {75, 0.8f, 2, Condition::C2, {0.9674268f, 0.9439088f, 2.074766f}, {0.2427f, 0.2368f}},
        {75, 0.8f, 2, Condition::D50_2, {0.8974801f, 0.9264876f, 1.44003f}, {0.2749635f, 0.2838506f}},
        {75, 0.8f, 2, Condition::D65_10, {0.9228599f, 0.9398933f, 1.879809f}, {0.2465850f, 0.2511363f}},
        // Value 0 is black; under D50 it keeps the adapted chromaticity.
        {75, 0, 2, Condition::C2, {0, 0, 0}, {0.2427f, 0.2368f}},
        {75, 0, 2, Condition::D50_2, {0, 0, 0}, {0.2749635f, 0.2838506f}},
        // Either side of the 9.5 ceiling: 9.6 is converted as 9.5.
        {12.3f, 9.4f, 3, Condition::C2, {91.08768f, 87.6479f, 83.18735f}, {0.3477652f, 0.3346324f}},
        {12.3f, 9.6f, 3, Condition::C2, {93.51956f, 90.00919f, 85.38257f}, {0.347771f, 0.334717f}},
        // Carried from C to D50 and D65/10, with the adapted chromaticity (the
        // adaptation itself is pinned with the colorimetry).
        {5, 4, 12, Condition::D50_2, {21.28494f, 12.31303f, 3.931769f}, {0.5671486f, 0.3280873f}},
        {5, 4, 12, Condition::D65_10, {20.29932f, 11.91903f, 5.162629f}, {0.5430387f, 0.3188528f}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.H << " " << k.V << "/" << k.C << " under " << int(k.condition));
        const auto r = forward(k.H, k.V, k.C, k.condition);
        ASSERT_TRUE(r.has_value());
        EXPECT_TRUE(std::fabs(r->xy.x - k.xy.x) <= 1e-6 && std::fabs(r->xy.y - k.xy.y) <= 1e-6)
            << r->xy.x << " " << r->xy.y;
        const float tolerance = 1e-5f * (k.xyz.X + k.xyz.Y + k.xyz.Z) + 1e-5f;
        EXPECT_TRIPLE_NEAR(r->xyz.X, r->xyz.Y, r->xyz.Z, k.xyz.X, k.xyz.Y, k.xyz.Z, tolerance);
    }
    // The neutral of value 5 with the perfect white: Y 19.272, the C white's x, y.
    const auto pwd = forward(0, 5, 0, Condition::C2, true);
    ASSERT_TRUE(pwd.has_value());
    EXPECT_NEAR(pwd->xyz.Y, 19.27197, 1e-4);
    EXPECT_TRUE(pwd->xy.x == 0.3101f && pwd->xy.y == 0.3163f);
}

TEST(MunsellToXyz, ColoursOutsideTheDataAreAbsent) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float absent[][3] = {{100, 5, 2},   {5, 5, 40},  {5, 0.5f, 20}, {-0.1f, 5, 2}, {5, -1, 2},
                               {5, 5, -0.5f}, {nan, 5, 2}, {5, nan, 2},   {5, 5, nan},   {5, 5, 60}};
    for (const auto& [H, V, C] : absent) EXPECT_FALSE(forward(H, V, C).has_value()) << H << " " << V << " " << C;
    EXPECT_TRUE(forward(0, 5, 2).has_value());      // the same point as the absent 100
    EXPECT_TRUE(forward(5, 0.5f, 10).has_value());  // 5R 1/12 is the last sample of its strip
}

}  // namespace
}  // namespace tintara::munsell
