#include "munsell/cie_to_munsell.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "munsell/shipped_table.h"

namespace tintara::munsell {
namespace {

using testkit::locate;
using testkit::roundTrip;

float valueOf(float Y, bool pwd) { return y2val(Y, pwd); }

// xyy2mun of chromaticity x, y at luminance Y.
MunsellColour locateXy(double x, double y, double Y) {
    return locate(static_cast<float>(Y * x / y), static_cast<float>(Y), static_cast<float>(Y * (1 - x - y) / y));
}

TEST(Y2val, InvertsTheValueFunction) {
    for (bool pwd : {false, true}) {
        for (float V : {0.5f, 1.0f, 5.0f, 9.0f, 9.5f}) {
            EXPECT_NEAR(valueOf(val2y(V, pwd), pwd), V, 1e-5) << V << " " << pwd;
        }
    }
    EXPECT_NEAR(valueOf(100, false), 9.9019, 5e-5);
    EXPECT_NEAR(valueOf(100, true), 9.9999, 5e-5);
    EXPECT_EQ(valueOf(0, false), 0);
}

TEST(CellSearch, InquadAndRefinecell) {
    // The unit square taken clockwise, (0,0) (0,1) (1,1) (1,0): inside, on an
    // edge, on a vertex, outside.
    const struct {
        float x, y;
        bool in;
    } cases[] = {{0.5f, 0.5f, true}, {0, 0.5f, true}, {1, 1, true}, {1.5f, 0.5f, false}, {-1e-6f, 0.5f, false}};
    for (const auto& k : cases) EXPECT_EQ(inquad(k.x, k.y, 0, 0, 0, 1, 1, 1, 1, 0), k.in) << k.x;

    // Refinecell halves a triangular cell at the white, D 0.04 to the right of
    // it and Cc 0.04 above it.
    auto table = std::make_unique<RenotationTable>();
    const int level = 3, h = 6;
    const std::int16_t corners[4][4] = {
        {h, 0, 3101, 3163}, {h + 1, 0, 3101, 3163}, {h, 1, 3501, 3163}, {h + 1, 1, 3101, 3563}};
    for (const auto& k : corners) std::copy(k + 2, k + 4, table->entry[level][k[0]][k[1]]);
    const Cell cell = findcell(*table, 0.3201f, 0.3263f, level);
    EXPECT_TRUE(cell.h == h && cell.c == 0);
    const HueChroma hc = refinecell(*table, 0.3201f, 0.3263f, level, cell);
    EXPECT_NEAR(hc.H, (h + 0.5) * 2.5, 1e-5);  // fh = 0.5
    EXPECT_NEAR(hc.C, 0.5 * 2, 1e-5);          // fc = 0.5
}

// A whole value with an even chroma lies on the edge between two chroma
// cells, a hue on the 2.5 grid on the edge between two hue strips. Halving
// such a point could once send it to the far side of its cell (these missed
// by 0.65 to 2.1).
TEST(Xyy2mun, ColoursOnCellEdgesComeBack) {
    const float onEdges[][2] = {{0.7f, 2}, {0.4f, 10}, {5, 6.5f}, {72.5f, 0.5f}, {40, 4.5f}};
    for (const auto& [H, C] : onEdges) {
        const MunsellColour m = roundTrip(H, 1, C);
        EXPECT_NEAR(m.H, H, 1e-3) << H << " 1/" << C;
        EXPECT_NEAR(m.C, C, 1e-3) << H << " 1/" << C;
    }
}

// 2.5GY 1/4.5 lies on the lower-hue edge of cell (13, 2) of level 1, a quarter
// of the way from 2.5GY 1/4 (.4390 .6150) to 2.5GY 1/6 (.4800 .7230). The strip
// below ends at 10Y 1/4, so no cell lies across that edge: rounding that puts
// the colour just outside must not lose it.
TEST(Xyy2mun, ColourOnAnEdgeWhereTheDataEnd) {
    const testkit::Forward f = testkit::forward(32.5f, 1, 4.5f);
    EXPECT_NEAR(f.x, 0.44925, 1e-6);
    EXPECT_NEAR(f.y, 0.6420, 1e-6);
    const MunsellColour m = locate(f.X, f.Y, f.Z);
    EXPECT_TRUE(m.lowerFound && m.upperFound);
    EXPECT_NEAR(m.H, 32.5, 0.05);
    EXPECT_NEAR(m.C, 4.5, 0.05);

    // A few float steps (3e-7) outside that edge is rounding; a tenth of a
    // table unit (1e-5) outside it, towards 10Y, is outside the data.
    const double ex = 0.4800 - 0.4390, ey = 0.7230 - 0.6150, len = std::hypot(ex, ey);
    for (const double shift : {3e-7, 1e-5, 1e-4}) {
        const auto x = static_cast<float>(0.44925 + shift * ey / len);
        const auto y = static_cast<float>(0.6420 - shift * ex / len);
        EXPECT_EQ(findcell(testkit::shippedTable(), x, y, 1).h, shift < 1e-6 ? 13 : 40) << shift;
    }
}

TEST(Xyy2mun, SeamWhiteTopValuesAndInvalidInput) {
    for (float H : {99.5f, 0.5f}) {  // either side of the R/RP seam, between two values
        const MunsellColour m = roundTrip(H, 5.5f, 6);
        EXPECT_NEAR(m.H, H, 0.1);
        EXPECT_NEAR(m.C, 6, 0.1);
    }
    // Exactly the chromaticity of the white: the first corner of the first cell.
    MunsellColour m = locate(31.01f, 31.63f, 37.36f);
    EXPECT_TRUE(m.lowerFound && m.upperFound && std::fabs(m.H) < 1e-4 && std::fabs(m.C) < 1e-4);

    // Value above 10, located on level 10 alone: 10RP 10/2 is x .3220 y .3160.
    m = locateXy(0.3220, 0.3160, 105);
    EXPECT_NEAR(m.V, valueOf(105, false), 1e-6);
    EXPECT_TRUE(m.lowerFound && m.upperFound);
    EXPECT_TRUE(m.H < 1e-3 || m.H > 100 - 1e-3) << m.H;
    EXPECT_NEAR(m.C, 2, 1e-3);

    m = locateXy(0.7, 0.1, 20);
    EXPECT_FALSE(m.lowerFound || m.upperFound);
    EXPECT_TRUE(m.H >= 0 && m.H <= 2.5f) << m.H;  // both levels give 100..102.5, folded once

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float invalid[][3] = {{0, 0, 0}, {-5, 1, 2}, {nan, 10, 10}, {10, nan, 10}};
    for (const auto& [X, Y, Z] : invalid) {
        m = locate(X, Y, Z);
        EXPECT_TRUE(m.H == 0 && m.V == 0 && m.C == 0 && !m.lowerFound && !m.upperFound) << X;
    }
    float Y = -5;  // raised to 0 in the caller's variable
    EXPECT_EQ(xyy2mun(10, Y, 10, testkit::shippedTable(), false).V, 0);
    EXPECT_EQ(Y, 0);
}

}  // namespace
}  // namespace tintara::munsell
