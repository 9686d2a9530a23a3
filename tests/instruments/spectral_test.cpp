// Integration of reflectance curves with the illuminant C / 2 degree weights.
// Expected values are the weight table's columns summed by hand.
#include <gtest/gtest.h>

#include "instruments/spectral.h"

namespace tintara::instruments {

TEST(Tristimulus, CurvesIntegrateToTheWeightedSums) {
    const Weights weights = illuminantCWeights();
    Reflectance refl{};
    refl.fill(100.0f);
    const colorimetry::Xyz white = tristimulusOf(refl, weights);
    EXPECT_NEAR(white.X, 98.074f, 2e-4f);
    EXPECT_NEAR(white.Y, 100.000f, 2e-4f);
    EXPECT_NEAR(white.Z, 118.230f, 2e-4f);  // the column adds to 118.230, not the stored 118.232

    // A ramp, 1 % at 360 nm up to 40 % at 750 nm: each row enters with its own
    // factor, so a row out of place or a column in the wrong place shows.
    for (int i = 1; i <= 40; ++i) refl[i] = static_cast<float>(i);
    const colorimetry::Xyz ramp = tristimulusOf(refl, weights);
    EXPECT_NEAR(ramp.X, 21.11774f, 5e-5f);
    EXPECT_NEAR(ramp.Y, 20.73448f, 5e-5f);
    EXPECT_NEAR(ramp.Z, 12.40383f, 5e-5f);

    refl.fill(0.0f);
    refl[21] = 100.0f;  // 560 nm
    const colorimetry::Xyz green = tristimulusOf(refl, weights);
    EXPECT_FLOAT_EQ(green.X, 5.877f);
    EXPECT_FLOAT_EQ(green.Y, 9.834f);
    EXPECT_FLOAT_EQ(green.Z, 0.038f);

    refl.fill(0.0f);
    for (int i = 28; i <= 40; ++i) refl[i] = 100.0f;  // 630 nm and longer
    refl[1] = 100.0f;                                 // 360 nm
    refl[0] = 100.0f;                                 // never read
    EXPECT_EQ(tristimulusOf(refl, weights).Z, 0.0f);
    EXPECT_EQ(tristimulusOf(refl, Weights{}).Y, 0.0f);  // no instrument configured: no weights
}

}  // namespace tintara::instruments
