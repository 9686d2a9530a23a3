// Integration of reflectance curves with the illuminant C / 2 degree weights.
#include <gtest/gtest.h>

#include "instruments/spectral.h"

namespace tintara::instruments {

TEST(Tristimulus, WeightsAddUpToTheWhiteAndSingleWavelengthsPickTheirRow) {
    const Weights weights = getweights();
    Reflectance refl{};
    refl.fill(100.0f);
    const Tristimulus white = tris(refl, weights);
    EXPECT_NEAR(white.X, 98.074f, 2e-4f);
    EXPECT_NEAR(white.Y, 100.000f, 2e-4f);
    EXPECT_NEAR(white.Z, 118.230f, 2e-4f);  // the column adds to 118.230, not the stored 118.232

    refl.fill(0.0f);
    refl[21] = 100.0f;  // 560 nm
    const Tristimulus green = tris(refl, weights);
    EXPECT_FLOAT_EQ(green.X, 5.877f);
    EXPECT_FLOAT_EQ(green.Y, 9.834f);
    EXPECT_FLOAT_EQ(green.Z, 0.038f);

    refl.fill(0.0f);
    for (int i = 28; i <= 40; ++i) refl[i] = 100.0f;  // 630 nm and longer
    refl[1] = 100.0f;                                 // 360 nm
    EXPECT_EQ(tris(refl, weights).Z, 0.0f);
    EXPECT_EQ(tris(refl, Weights{}).Y, 0.0f);  // no instrument configured: no weights
}

}  // namespace tintara::instruments
