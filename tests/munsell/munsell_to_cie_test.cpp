#include "munsell/munsell_to_cie.h"

#include <limits>

#include "munsell/shipped_table.h"

namespace tintara::munsell {
namespace {

using colorimetry::Condition;
using testkit::forward;

TEST(Val2y, RenotationValueFunction) {
    const struct {
        float V;
        bool pwd;
        double Y, tolerance;
    } cases[] = {{1, false, 1.2101, 1e-4},   {5, false, 19.7661, 1e-4},  {9.5f, false, 90.0092, 1e-4},
                 {10, false, 102.568, 1e-3}, {10, true, 100.0038, 1e-4}, {0, false, 0, 0}};
    for (const auto& k : cases) EXPECT_NEAR(val2y(k.V, k.pwd), k.Y, k.tolerance) << k.V;
}

TEST(Mun2xyz, InterpolatesTheRenotationTable) {
    // Neutral of value 5: the C white, Y of value 5, X = Y x / y, Z = Y / y - X - Y.
    const testkit::Forward n = forward(0, 5, 0);
    EXPECT_TRUE(n.present && n.x == 0.3101f && n.y == 0.3163f);
    EXPECT_NEAR(n.Y, 19.766, 1e-3);
    EXPECT_NEAR(n.X, 19.379, 1e-3);
    EXPECT_NEAR(n.Z, 23.347, 1e-3);
    EXPECT_NEAR(forward(0, 5, 0, Condition::C2, true).Y, 19.272, 1e-3);
    // Under D50 it is carried by the Bradford transform from the C white
    // (98.074, 100, 118.232) to the D50 white (96.42, 100, 82.49); by hand
    // 19.0528, 19.7664, 16.2893, x .34573, y .35868.
    const testkit::Forward d50 = forward(0, 5, 0, Condition::D50_2);
    EXPECT_NEAR(d50.X, 19.0528, 1e-3);
    EXPECT_NEAR(d50.Z, 16.2893, 1e-3);
    EXPECT_NEAR(d50.x, 0.34573, 1e-5);
    EXPECT_NEAR(d50.y, 0.35868, 1e-5);

    // A sample (5PB 5/10) and interpolations by hand between 10RP 5/2 .3332
    // .3131, 6/2 .3292 .3141, 2.5R 5/2 .3360 .3158, 5PB 5/12 .1918 .1858, 6/10
    // .2197 .2188 and 6/12 .2026 .1999.
    const struct {
        float H, V, C;
        double x, y;
    } cases[] = {{75, 5, 10, 0.2080, 0.2041},
                 {1.25f, 5, 2, 0.3346, 0.31445},
                 {0, 5, 1, 0.32165, 0.3147},
                 {0, 5.5f, 2, 0.3312, 0.3136},
                 {75, 5.5f, 11, 0.205525, 0.20215}};
    for (const auto& k : cases) {
        const testkit::Forward r = forward(k.H, k.V, k.C);
        EXPECT_NEAR(r.x, k.x, 1e-6) << k.H << " " << k.V << "/" << k.C;
        EXPECT_NEAR(r.y, k.y, 1e-6) << k.H << " " << k.V << "/" << k.C;
        EXPECT_NEAR(r.Y, val2y(k.V, false), 1e-5);
    }

    // Values above 9.5 are converted as 9.5, in the caller's variable too.
    const testkit::Forward top = forward(0, 10, 2);
    EXPECT_TRUE(top.present && top.V == 9.5f);
    EXPECT_NEAR(top.Y, 90.0092, 1e-3);
}

TEST(Mun2xyz, AbsentColoursLeaveChromaticityAlone) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float absent[][3] = {{100, 5, 2},   {5, 5, 40},  {5, 0.5f, 2}, {-0.1f, 5, 2}, {5, -1, 2},
                               {5, 5, -0.5f}, {nan, 5, 2}, {5, nan, 2},  {5, 5, nan}};
    for (const auto& [H, V, C] : absent) {
        const testkit::Forward r = forward(H, V, C);
        EXPECT_FALSE(r.present) << H << " " << V << " " << C;
        EXPECT_TRUE(r.X == 0 && r.Y == 0 && r.Z == 0 && r.x == -7 && r.y == -7);
    }
    EXPECT_TRUE(forward(0, 5, 2).present);  // the same point as the absent 100
}

}  // namespace
}  // namespace tintara::munsell
