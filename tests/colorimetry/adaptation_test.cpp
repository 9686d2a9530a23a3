// Bradford adaptation between the conditions' whites. Expected values are
// worked by hand in double: the colour and both whites normalised by their
// own Y, the published Bradford matrix, the cone ratios, its published
// inverse, times the colour's Y.
#include "colorimetry/adaptation.h"

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

constexpr Condition C = Condition::C2, D50 = Condition::D50_2, D65 = Condition::D65_10;

// A red, green and blue from C to D50 and from D65/10 back to C: the map is
// linear, so three independent colours pin all of it; one colour each for
// the other two ways.
TEST(Adaptation, ChromaticColoursEachWayBetweenCAndTheOtherConditions) {
    const struct {
        Condition from, to;
        Xyz colour, adapted;
    } cases[] = {
        {C, D50, {35, 20, 5}, {36.33694f, 20.61542f, 3.44012f}},
        {C, D50, {30, 50, 15}, {31.02731f, 50.50925f, 11.01755f}},
        {C, D50, {20, 12, 60}, {17.44064f, 11.27412f, 41.42714f}},
        {C, D65, {30, 50, 15}, {29.15784f, 50.40173f, 13.83086f}},
        {D50, C, {20, 12, 60}, {23.96275f, 13.16116f, 86.93739f}},
        {D65, C, {35, 20, 5}, {35.54548f, 20.13374f, 5.51754f}},
        {D65, C, {30, 50, 15}, {30.86546f, 49.62032f, 16.29989f}},
        {D65, C, {20, 12, 60}, {21.20779f, 12.30419f, 66.33156f}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << int(k.from) << " to " << int(k.to) << ": " << k.colour.X);
        const Xyz a = adapt(k.colour, whiteOf(k.from), whiteOf(k.to));
        EXPECT_TRIPLE_NEAR(a.X, a.Y, a.Z, k.adapted.X, k.adapted.Y, k.adapted.Z, 1e-4f);
        const Xyz b = k.from == C ? adaptFromC(k.colour, k.to) : adaptToC(k.colour, k.from);
        EXPECT_TRIPLE_NEAR(b.X, b.Y, b.Z, k.adapted.X, k.adapted.Y, k.adapted.Z, 1e-4f);
    }
}

TEST(Adaptation, WhitesBlackAndIlluminantC) {
    // The C white lands on the other whites to the precision of the stored inverse.
    for (Condition to : {D50, D65}) {
        const Xyz w = adaptFromC(whiteOf(C), to), expected = whiteOf(to);
        EXPECT_TRIPLE_NEAR(w.X, w.Y, w.Z, expected.X, expected.Y, expected.Z, 5e-5f);
    }
    // A colour without luminance is carried by the same linear map unnormalised:
    // (10, 0, 5) from C to D65/10 is (9.83913, -0.14493, 4.48091); black stays
    // black; under C there is nothing to adapt, either way.
    const Xyz noY = adapt({10, 0, 5}, whiteOf(C), whiteOf(D65)), black = adaptToC({0, 0, 0}, D50);
    EXPECT_TRIPLE_NEAR(noY.X, noY.Y, noY.Z, 9.83913f, -0.14493f, 4.48091f, 1e-4f);
    EXPECT_TRIPLE_NEAR(black.X, black.Y, black.Z, 0.0f, 0.0f, 0.0f, 0.0f);
    for (const Xyz& k : {adaptFromC({40, 30, 20}, C), adaptToC({40, 30, 20}, C)})
        EXPECT_TRIPLE_NEAR(k.X, k.Y, k.Z, 40.0f, 30.0f, 20.0f, 0.0f);
}

// x = 40/90, y = 30/90; back, X = x Y / y, Z = (1 - x - y) Y / y: 0.3101,
// 0.3163 at Y 20 is 19.6080, 23.6231.
TEST(Chromaticity, OfAColourAndBack) {
    const auto xy = chromaticityOf({40, 30, 20});
    ASSERT_TRUE(xy.has_value());
    EXPECT_FLOAT_EQ(xy->x, 0.44444445f);
    EXPECT_FLOAT_EQ(xy->y, 0.33333334f);
    const auto xyz = xyzFromChromaticity({0.3101f, 0.3163f}, 20);
    ASSERT_TRUE(xyz.has_value());
    EXPECT_TRIPLE_NEAR(xyz->X, xyz->Y, xyz->Z, 19.60797f, 20.0f, 23.62314f, 2e-5f);
    EXPECT_FALSE(chromaticityOf({5, -5, 0}).has_value() || xyzFromChromaticity({0.3f, 0}, 20).has_value());
}

}  // namespace
}  // namespace tintara::colorimetry
