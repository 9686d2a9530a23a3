#include "colorimetry/lab.h"

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

struct Case {
    float in[3], out[3], tol;
    Condition c = Condition::C2;
};

TEST(Lab, XyzToLabAgainstHandValues) {
    const Case cases[] = {// Each condition's own white is L* 100 on the neutral axis.
                          {{98.074f, 100, 118.232f}, {100, 0, 0}, 1e-4f},
                          {{96.42f, 100, 82.49f}, {100, 0, 0}, 1e-4f, Condition::D50_2},
                          {{94.811f, 100, 107.304f}, {100, 0, 0}, 1e-4f, Condition::D65_10},
                          // Middle grey: 116 * 0.1842^(1/3) - 16 = 50.00.
                          {{98.074f * 0.1842f, 18.42f, 118.232f * 0.1842f}, {50, 0, 0}, 0.005f},
                          // Y/Yn = 0.005 lies on the linear segment: 116 * (7.787 * 0.005 + 16/116) - 16.
                          {{96.42f * 0.005f, 0.5f, 82.49f * 0.005f}, {4.52f, 0, 0}, 0.005f, Condition::D50_2},
                          // A chromatic colour, worked by hand with the 0.333333 exponent.
                          {{40, 30, 20}, {61.654f, 36.083f, 23.276f}, 0.001f}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.in[1]);
        float X = k.in[0], Y = k.in[1], Z = k.in[2], L, a, b;
        xyzlab(X, Y, Z, L, a, b, k.c);
        EXPECT_TRIPLE_NEAR(L, a, b, k.out[0], k.out[1], k.out[2], k.tol);
    }
    // Low values are raised to 0.01 in the caller's variables; L* of Y = 0.01 is
    // 116 * (7.787e-4 + 16/116) - 16 = 0.0903.
    float X = 0.0f, Y = -3.0f, Z = 0.02f, L, a, b;
    xyzlab(X, Y, Z, L, a, b, Condition::D65_10);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 0.01f, 0.01f, 0.02f, 0.0f);
    EXPECT_NEAR(L, 0.0903f, 1e-4f);
}

TEST(Lab, LabToXyzUsesItsOwnWhite) {
    const Case cases[] = {{{100, 0, 0}, {98.04f, 100, 118.1f}, 1e-3f},
                          {{50, 0, 0}, {18.0576f, 18.4187f, 21.7524f}, 1e-3f},  // (66/116)^3 of the white
                          // At the lowest L* Y is 0 and a negative base gives a negative cube.
                          {{lowestLabL, -50, 20}, {-0.09804f, 0, -0.1181f}, 1e-6f}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.in[0]);
        float X = -1, Y = -1, Z = -1;
        ASSERT_TRUE(labxyz(X, Y, Z, k.in[0], k.in[1], k.in[2]));
        EXPECT_TRIPLE_NEAR(X, Y, Z, k.out[0], k.out[1], k.out[2], k.tol);
    }
    float X = 1, Y = 2, Z = 3;
    EXPECT_FALSE(labxyz(X, Y, Z, -20.0f, 0.0f, 0.0f));
    EXPECT_TRIPLE_NEAR(X, Y, Z, 1.0f, 2.0f, 3.0f, 0.0f);
}

}  // namespace
}  // namespace tintara::colorimetry
