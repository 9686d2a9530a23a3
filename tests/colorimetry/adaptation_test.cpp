#include "colorimetry/adaptation.h"

#include <tuple>

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

TEST(Adaptation, BradfordCarriesWhitesAndBlack) {
    for (auto [Xd, Zd] : {std::pair{96.42f, 82.49f}, std::pair{94.811f, 107.304f}}) {  // D50, D65/10
        float X, Y, Z;
        xyzconv(98.074f, 100, 118.232f, 98.074f, 100, 118.232f, X, Y, Z, Xd, 100, Zd);
        EXPECT_TRIPLE_NEAR(X, Y, Z, Xd, 100.0f, Zd, 2e-3f);
        // Black has no Y to normalise by and adapts to black.
        xyzconv(0, 0, 0, 98.074f, 100, 118.232f, X, Y, Z, Xd, 100, Zd);
        EXPECT_TRIPLE_NEAR(X, Y, Z, 0.0f, 0.0f, 0.0f, 0.0f);
    }
}

TEST(Adaptation, ConvertBetweenCAndTheCondition) {
    // (40, 30, 20) under C carried forward; under C forward leaves the colour
    // alone, and back adapts C onto itself.
    for (auto [c, Xf, Yf, Zf, tol] : {std::tuple{Condition::D50_2, 40.80f, 30.47f, 13.94f, 0.006f},
                                      std::tuple{Condition::C2, 40.0f, 30.0f, 20.0f, 0.0f}}) {
        float X = 40, Y = 30, Z = 20, x, y;
        xyzconvert(Direction::Forward, X, Y, Z, x, y, c);
        EXPECT_TRIPLE_NEAR(X, Y, Z, Xf, Yf, Zf, tol);
        EXPECT_NEAR(x, Xf / (Xf + Yf + Zf), 1e-4f);
        EXPECT_NEAR(y, Yf / (Xf + Yf + Zf), 1e-4f);
        xyzconvert(Direction::Back, X, Y, Z, x, y, c);
        EXPECT_TRIPLE_NEAR(X, Y, Z, 40.0f, 30.0f, 20.0f, 2e-3f);
    }
    float X = 0, Y = 0, Z = 0, x, y;
    xyzconvert(Direction::Back, X, Y, Z, x, y, Condition::D65_10);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(x == 0.0f && y == 0.0f);
}

}  // namespace
}  // namespace tintara::colorimetry
