// CIE L*a*b* both ways. Expected values are worked by hand in double: f(t) =
// 7.787 t + 16/116 up to t = 0.008856 and t ^ 0.333333 above, against each
// condition's white; back against 98.04, 100, 118.1 without the linear part.
#include "colorimetry/lab.h"

#include <cmath>
#include <limits>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

TEST(Lab, FromXyzOnEitherSideOfTheLinearSegment) {
    const struct {
        Condition condition;
        Xyz xyz;
        Lab lab;
        float tolerance;
    } cases[] = {
        // Each condition's own white is L* 100 on the neutral axis.
        {Condition::C2, {98.074f, 100, 118.232f}, {100, 0, 0}, 2e-5f},
        {Condition::D50_2, {96.42f, 100, 82.49f}, {100, 0, 0}, 2e-5f},
        {Condition::D65_10, {94.811f, 100, 107.304f}, {100, 0, 0}, 2e-5f},
        // A chromatic colour against each white: L* is the same, a* and b* follow
        // the white's X and Z.
        {Condition::C2, {40, 30, 20}, {61.654253f, 36.082630f, 23.276428f}, 2e-5f},
        {Condition::D50_2, {40, 30, 20}, {61.654253f, 38.190863f, 9.175164f}, 2e-5f},
        {Condition::D65_10, {40, 30, 20}, {61.654253f, 40.288528f, 19.642240f}, 2e-5f},
        // Ratios to the C white just either side of 0.008856, where the two
        // pieces differ by 3e-7 in f: X 0.0089 (cube root), Y 0.0088 (line),
        // Z 0.02; then X 0.0088, Y 0.0089, Z 0.0088.
        {Condition::C2, {0.872858584f, 0.879999995f, 2.36464f}, {7.948970f, 0.389400f, -12.997096f}, 1e-5f},
        {Condition::C2, {0.863051176f, 0.889999986f, 1.04044163f}, {8.039310f, -0.389401f, 0.155760f}, 1e-5f},
        // Well inside each piece: X 0.05, Y 0.004, Z 0.3; then X 0.004, Y 0.05, Z 0.005.
        {Condition::C2, {4.90369987f, 0.400000006f, 35.4696007f}, {3.613168f, 99.662240f, -100.070838f}, 2e-5f},
        {Condition::C2, {0.392295986f, 5, 0.591159999f}, {26.734808f, -99.662242f, 38.307497f}, 2e-5f},
        // Middle grey, 116 * 0.1842 ^ 0.333333 - 16, and a neutral at Y/Yn = 0.005.
        {Condition::C2, {98.074f * 0.1842f, 18.42f, 118.232f * 0.1842f}, {50.001647f, 0, 0}, 2e-5f},
        {Condition::D50_2, {96.42f * 0.005f, 0.5f, 82.49f * 0.005f}, {4.516460f, 0, 0}, 2e-5f},
        // X and Y below 0.01 count as 0.01.
        {Condition::D65_10, {0, -3, 0.02f}, {0.090329f, 0.021309f, -0.134538f}, 2e-5f},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << int(k.condition) << ": " << k.xyz.X << " " << k.xyz.Y << " " << k.xyz.Z);
        const Lab lab = labFromXyz(k.xyz, k.condition);
        EXPECT_TRIPLE_NEAR(lab.L, lab.a, lab.b, k.lab.L, k.lab.a, k.lab.b, k.tolerance);
    }
    // The floor itself: 0.0099 raised, 0.0101 kept, NaN left for the caller.
    const Xyz raised = raisedForLab({0.0099f, -3, 0.0101f});
    EXPECT_TRIPLE_NEAR(raised.X, raised.Y, raised.Z, 0.01f, 0.01f, 0.0101f, 0.0f);
    EXPECT_TRUE(std::isnan(raisedForLab({std::numeric_limits<float>::quiet_NaN(), 1, 1}).X));
}

// Back against labxyz's own white, and the same formula against the white of
// D50 or D65/10: X = (f + a/500)^3 Xn, Z = (f - b/200)^3 Zn with f = (L + 16)/116.
TEST(Lab, BackToXyzAgainstItsOwnWhiteAndAConditionsWhite) {
    const Xyz d50 = whiteOf(Condition::D50_2), d65 = whiteOf(Condition::D65_10);
    const struct {
        Lab lab;
        const Xyz* white;  // none: labxyz's own
        Xyz xyz;
    } cases[] = {
        {{100, 0, 0}, nullptr, {98.04f, 100, 118.1f}},
        {{50, 20, -30}, nullptr, {22.14023f, 18.41865f, 43.89092f}},
        {{30, -40, 25}, nullptr, {3.109846f, 6.235906f, 2.364881f}},
        // No linear segment: L* 5 is (21/116)^3 of the white.
        {{5, 0, 0}, nullptr, {0.5816871f, 0.5933131f, 0.7007063f}},
        {{0, 10, -10}, nullptr, {0.3861962f, 0.2624134f, 0.7838759f}},
        // At the lowest L* Y is 0 and a negative base gives a negative cube.
        {{lowestLabL, -50, 20}, nullptr, {-0.09804f, 0, -0.1181f}},
        {{100, 0, 0}, &d50, {96.42f, 100, 82.49f}},
        {{50, 20, -30}, &d50, {21.77435f, 18.41865f, 30.65671f}},
        {{50, 20, -30}, &d65, {21.41099f, 18.41865f, 39.87862f}},
        {{80, -40, 60}, &d65, {39.613465f, 56.681290f, 15.757836f}},
        {{-10, 40, 60}, &d50, {0.2203755f, 0.01383815f, -1.262423f}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.lab.L << " " << k.lab.a << " " << k.lab.b);
        const auto xyz = k.white ? xyzFromLab(k.lab, *k.white) : xyzFromLab(k.lab);
        ASSERT_TRUE(xyz.has_value());
        const float tolerance = 2e-6f * std::max(1.0f, std::fabs(k.xyz.X) + k.xyz.Y + std::fabs(k.xyz.Z));
        EXPECT_TRIPLE_NEAR(xyz->X, xyz->Y, xyz->Z, k.xyz.X, k.xyz.Y, k.xyz.Z, tolerance);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(xyzFromLab({-16.001f, 0, 0}) || xyzFromLab({nan, 0, 0}) || xyzFromLab({-16.5f, 0, 0}, d65));
}

}  // namespace
}  // namespace tintara::colorimetry
