#include "colorimetry/adaptation.h"

#include <gtest/gtest.h>

#include "colorimetry/expect_triple.h"

namespace tintara::colorimetry {
namespace {

TEST(Adaptation, BradfordCarriesWhitesAndColours) {
    float X, Y, Z;
    xyzconv(98.074f, 100, 118.232f, 98.074f, 100, 118.232f, X, Y, Z, 96.42f, 100, 82.49f);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 96.42f, 100.0f, 82.49f, 2e-3f);
    xyzconv(98.074f, 100, 118.232f, 98.074f, 100, 118.232f, X, Y, Z, 94.811f, 100, 107.304f);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 94.811f, 100.0f, 107.304f, 2e-3f);

    // Black has no Y to normalise by and adapts to black.
    xyzconv(0, 0, 0, 98.074f, 100, 118.232f, X, Y, Z, 96.42f, 100, 82.49f);
    EXPECT_EQ(X, 0.0f);
    EXPECT_EQ(Y, 0.0f);
    EXPECT_EQ(Z, 0.0f);
}

TEST(Adaptation, ConvertBetweenCAndTheCondition) {
    float X = 40, Y = 30, Z = 20, x, y;
    xyzconvert(Direction::Forward, X, Y, Z, x, y, Condition::D50_2);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 40.80f, 30.47f, 13.94f, 0.006f);
    EXPECT_NEAR(x, 40.80f / 85.21f, 1e-4f);
    EXPECT_NEAR(y, 30.47f / 85.21f, 1e-4f);
    xyzconvert(Direction::Back, X, Y, Z, x, y, Condition::D50_2);
    EXPECT_TRIPLE_NEAR(X, Y, Z, 40.0f, 30.0f, 20.0f, 2e-3f);

    // Under C forward leaves the colour alone; back adapts C onto itself.
    X = 40, Y = 30, Z = 20;
    xyzconvert(Direction::Forward, X, Y, Z, x, y, Condition::C2);
    EXPECT_EQ(X, 40.0f);
    EXPECT_EQ(Z, 20.0f);
    EXPECT_NEAR(x, 40.0f / 90.0f, 1e-6f);
    xyzconvert(Direction::Back, X, Y, Z, x, y, Condition::C2);
    EXPECT_NEAR(X, 40.0f, 2e-3f);
    EXPECT_NEAR(Z, 20.0f, 2e-3f);

    X = Y = Z = 0;
    xyzconvert(Direction::Back, X, Y, Z, x, y, Condition::D65_10);
    EXPECT_EQ(X + Y + Z, 0.0f);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
}

}  // namespace
}  // namespace tintara::colorimetry
