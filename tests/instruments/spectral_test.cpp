#include "instruments/spectral.h"

#include <cstddef>

#include <gtest/gtest.h>

namespace tintara::instruments {
namespace {

// Index of a wavelength in a reflectance curve.
constexpr std::size_t at(int nm) { return static_cast<std::size_t>((nm - 350) / 10); }

TEST(Spectral, WeightTableAndIntegration) {
    const Weights w = getweights();
    EXPECT_EQ(w.X[0], 98.074f);
    EXPECT_EQ(w.Y[0], 100.0f);
    EXPECT_EQ(w.Z[0], 118.232f);

    Reflectance refl{};
    refl.fill(100.0f);
    Tristimulus white = tris(refl, w);
    EXPECT_NEAR(white.X, 98.074f, 1e-3f);
    EXPECT_NEAR(white.Y, 100.000f, 1e-3f);
    EXPECT_NEAR(white.Z, 118.230f, 1e-3f);  // the column sum, not the stored white

    refl.fill(0.0f);
    Tristimulus black = tris(refl, w);
    EXPECT_EQ(black.X + black.Y + black.Z, 0.0f);

    refl[at(560)] = 100.0f;
    Tristimulus line = tris(refl, w);
    EXPECT_NEAR(line.X, 5.877f, 1e-6f);
    EXPECT_NEAR(line.Y, 9.834f, 1e-6f);
    EXPECT_NEAR(line.Z, 0.038f, 1e-6f);
}

TEST(Spectral, BandsWithoutWeight) {
    const Weights w = getweights();
    Reflectance refl{};
    for (int nm = 630; nm <= 750; nm += 10) refl[at(nm)] = 100.0f;
    Tristimulus red = tris(refl, w);
    EXPECT_EQ(red.Z, 0.0f);
    EXPECT_GT(red.X, 0.0f);

    refl.fill(0.0f);
    refl[at(360)] = 100.0f;
    Tristimulus uv = tris(refl, w);
    EXPECT_EQ(uv.X + uv.Y + uv.Z, 0.0f);

    // An empty table (no instrument configured) integrates everything to 0.
    refl.fill(100.0f);
    Tristimulus none = tris(refl, Weights{});
    EXPECT_EQ(none.X + none.Y + none.Z, 0.0f);
}

}  // namespace
}  // namespace tintara::instruments
