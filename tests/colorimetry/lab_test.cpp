#include "colorimetry/lab.h"

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

TEST(Lab, XyzToLabAgainstHandValues) {
    // Each condition's own white is L* 100 on the neutral axis.
    for (Condition c : {Condition::C2, Condition::D50_2, Condition::D65_10}) {
        const ConditionData& w = conditionData(c);
        float X = w.whiteX, Y = w.whiteY, Z = w.whiteZ, L, a, b;
        xyzlab(X, Y, Z, L, a, b, c);
        EXPECT_TRIPLE_NEAR(L, a, b, 100.0f, 0.0f, 0.0f, 1e-4f);
    }
    // Middle grey: 116 * 0.1842^(1/3) - 16 = 50.00.
    float X = 98.074f * 0.1842f, Y = 18.42f, Z = 118.232f * 0.1842f, L, a, b;
    xyzlab(X, Y, Z, L, a, b, Condition::C2);
    EXPECT_NEAR(L, 50.00f, 0.005f);
    // Y/Yn = 0.005 lies on the linear segment: 116 * (7.787 * 0.005 + 16/116) - 16.
    X = 96.42f * 0.005f, Y = 0.5f, Z = 82.49f * 0.005f;
    xyzlab(X, Y, Z, L, a, b, Condition::D50_2);
    EXPECT_NEAR(L, 4.52f, 0.005f);
    EXPECT_NEAR(a, 0.0f, 1e-4f);
    // A chromatic colour under C, worked by hand with the 0.333333 exponent.
    X = 40, Y = 30, Z = 20;
    xyzlab(X, Y, Z, L, a, b, Condition::C2);
    EXPECT_TRIPLE_NEAR(L, a, b, 61.654f, 36.083f, 23.276f, 0.001f);
}

TEST(Lab, LowTristimulusIsRaisedInTheCallersVariables) {
    float X = 0.0f, Y = -3.0f, Z = 0.02f, L, a, b;
    xyzlab(X, Y, Z, L, a, b, Condition::D65_10);
    EXPECT_EQ(X, 0.01f);
    EXPECT_EQ(Y, 0.01f);
    EXPECT_EQ(Z, 0.02f);
    // Y = 0.01 of 100: 116 * (7.787e-4 + 16/116) - 16 = 0.0903.
    EXPECT_NEAR(L, 0.0903f, 1e-4f);
}

TEST(Lab, LabToXyzUsesItsOwnWhite) {
    float X = -1, Y = -1, Z = -1;
    ASSERT_TRUE(labxyz(X, Y, Z, 100.0f, 0.0f, 0.0f));
    EXPECT_TRIPLE_NEAR(X, Y, Z, 98.04f, 100.0f, 118.1f, 1e-3f);

    ASSERT_TRUE(labxyz(X, Y, Z, 50.0f, 0.0f, 0.0f));
    EXPECT_NEAR(Y, 18.4187f, 1e-3f);  // (66/116)^3 * 100

    // At the lowest L* Y is 0 and a negative base gives a negative cube.
    ASSERT_TRUE(labxyz(X, Y, Z, lowestLabL, -50.0f, 20.0f));
    EXPECT_NEAR(X, -0.09804f, 1e-6f);  // (-0.1)^3 * 98.04
    EXPECT_EQ(Y, 0.0f);
    EXPECT_NEAR(Z, -0.1181f, 1e-6f);  // (-0.1)^3 * 118.1

    X = 1, Y = 2, Z = 3;
    EXPECT_FALSE(labxyz(X, Y, Z, -20.0f, 0.0f, 0.0f));
    EXPECT_EQ(X, 1.0f);
    EXPECT_EQ(Y, 2.0f);
    EXPECT_EQ(Z, 3.0f);
}

}  // namespace
}  // namespace tintara::colorimetry
