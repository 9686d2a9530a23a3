#include "munsell/cie_to_munsell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_corners.h"
#include "munsell/shipped_table.h"

namespace tintara::munsell {
namespace {

using colorimetry::Condition;

float valueOf(float Y, bool pwd) { return y2val(Y, pwd); }

// X, Y, Z of a chromaticity at luminance Y.
struct XYZ {
    float X, Y, Z;
};
XYZ fromChromaticity(double x, double y, double Y) {
    return {static_cast<float>(Y * x / y), static_cast<float>(Y),
            static_cast<float>(Y * (1 - x - y) / y)};
}

MunsellColour roundTrip(float H, float V, float C) {
    float X, Y, Z, x, y;
    EXPECT_TRUE(mun2xyz(testing::shippedTable(), H, V, C, X, Y, Z, x, y, Condition::C2, false));
    return xyy2mun(X, Y, Z, testing::shippedTable(), false);
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
    float negative = -3;
    EXPECT_EQ(y2val(negative, true), 0);
    EXPECT_EQ(negative, 0);
}

TEST(Inquad, ClockwiseQuadrilateralWithItsEdges) {
    // The unit square taken clockwise: (0,0) (0,1) (1,1) (1,0).
    auto inSquare = [](float x, float y) { return inquad(x, y, 0, 0, 0, 1, 1, 1, 1, 0); };
    EXPECT_TRUE(inSquare(0.5f, 0.5f));
    EXPECT_TRUE(inSquare(0, 0.5f));  // on an edge
    EXPECT_TRUE(inSquare(1, 1));     // on a vertex
    EXPECT_FALSE(inSquare(1.5f, 0.5f));
    EXPECT_FALSE(inSquare(-1e-6f, 0.5f));
    EXPECT_FALSE(inquad(0.5f, 0.5f, 0, 0, 1, 0, 1, 1, 0, 1));  // anticlockwise
}

// A triangular cell at the white: D 0.04 to the right of it, Cc 0.04 above it.
TEST(Refinecell, HalvesTheCellInHueAndChroma) {
    auto table = std::make_unique<RenotationTable>();
    const int level = 3, h = 6;
    for (int hue : {h, h + 1}) {
        table->entry[level][hue][0][0] = 3101;
        table->entry[level][hue][0][1] = 3163;
    }
    table->entry[level][h][1][0] = 3501;
    table->entry[level][h][1][1] = 3163;
    table->entry[level][h + 1][1][0] = 3101;
    table->entry[level][h + 1][1][1] = 3563;
    const float x = 0.3201f, y = 0.3263f;
    const Cell cell = findcell(*table, x, y, level);
    EXPECT_EQ(cell.h, h);
    EXPECT_EQ(cell.c, 0);
    const HueChroma hc = refinecell(*table, x, y, level, cell);
    EXPECT_NEAR(hc.H, (h + 0.5) * 2.5, 1e-5);  // fh = 0.5
    EXPECT_NEAR(hc.C, 0.5 * 2, 1e-5);          // fc = 0.5
}

TEST(Findcell, ScansHueByHueFromTheWhite) {
    const RenotationTable& t = testing::shippedTable();
    // 5R 5/4 is the corner shared by cells (1,1), (2,1), (1,2) and (2,2); the
    // first met in the scan holds it.
    const float x = t.x(5, 2, 2) / 10000.0f, y = t.y(5, 2, 2) / 10000.0f;
    const Cell cell = findcell(t, x, y, 5);
    EXPECT_EQ(cell.h, 1);
    EXPECT_EQ(cell.c, 1);
    const HueChroma hc = refinecell(t, x, y, 5, cell);
    EXPECT_NEAR(hc.H, 5, 1e-4);
    EXPECT_NEAR(hc.C, 4, 1e-4);

    const Cell white = findcell(t, colorimetry::cWhiteX, colorimetry::cWhiteY, 5);
    EXPECT_EQ(white.h, 0);
    EXPECT_EQ(white.c, 0);
    EXPECT_NEAR(refinecell(t, colorimetry::cWhiteX, colorimetry::cWhiteY, 5, white).C, 0, 1e-5);

    // Outside the data: the cell between hue index 40 and the empty 41.
    const Cell none = findcell(t, 0.7f, 0.1f, 5);
    EXPECT_EQ(none.h, 40);
    EXPECT_EQ(none.c, 0);
    const HueChroma far = refinecell(t, 0.7f, 0.1f, 5, none);
    EXPECT_GE(far.H, 100);
    EXPECT_LE(far.H, 102.5f);
    EXPECT_GE(far.C, 0);
    EXPECT_LE(far.C, 2);
    EXPECT_EQ(findcell(t, x, y, 11).h, 40);
}

// Colours on a cell edge: a whole value with an even chroma lies on the edge
// between two chroma cells, a hue on the 2.5 grid on the edge between two hue
// strips. Taken literally, the halving can send such a point to the far side
// of its cell (these points missed by 0.65 to 2.1); it now stays on its edge.
TEST(Xyy2mun, ColoursOnCellEdgesComeBack) {
    const struct {
        float H, V, C;
    } onEdges[] = {{0.7f, 1, 2}, {0.4f, 1, 10},    {1.2f, 1, 8},     {0.6f, 1, 4},
                   {5, 1, 6.5f}, {12.5f, 1, 2.5f}, {72.5f, 1, 0.5f}, {40, 1, 4.5f}};
    for (const auto& e : onEdges) {
        const MunsellColour m = roundTrip(e.H, e.V, e.C);
        EXPECT_NEAR(m.H, e.H, 1e-3) << e.H << " " << e.V << " " << e.C;
        EXPECT_NEAR(m.C, e.C, 1e-3) << e.H << " " << e.V << " " << e.C;
        EXPECT_NEAR(m.V, e.V, 1e-5);
    }
}

// 2.5GY 1/4.5 lies on the lower-hue edge of cell (13, 2) of level 1, a quarter
// of the way from 2.5GY 1/4 (.4390 .6150) to 2.5GY 1/6 (.4800 .7230). The strip
// below ends at 10Y 1/4, so no cell lies across that edge: rounding that puts
// the colour just outside must not lose it.
TEST(Xyy2mun, ColourOnAnEdgeWhereTheDataEnd) {
    const RenotationTable& t = testing::shippedTable();
    const RenotationCorners corners(t);
    float V = 1, X, Y, Z, x, y;
    ASSERT_TRUE(mun2xyz(t, 32.5f, V, 4.5f, X, Y, Z, x, y, Condition::C2, false));
    EXPECT_NEAR(x, 0.44925, 1e-6);
    EXPECT_NEAR(y, 0.6420, 1e-6);
    const double sum = static_cast<double>(X) + Y + Z;
    const auto sx = static_cast<float>(X / sum), sy = static_cast<float>(Y / sum);
    const Cell cell = findcell(t, sx, sy, 1);
    EXPECT_EQ(cell.h, 13);
    EXPECT_EQ(cell.c, 2);
    for (const MunsellColour& m : {xyy2mun(X, Y, Z, t, false), xyy2mun(X, Y, Z, corners, false)}) {
        EXPECT_TRUE(m.lowerFound && m.upperFound);
        EXPECT_NEAR(m.H, 32.5, 0.05);
        EXPECT_NEAR(m.C, 4.5, 0.05);
        EXPECT_NEAR(m.V, 1, 1e-5);
    }

    // A few float steps (3e-7) outside that edge is rounding; a tenth of a
    // table unit (1e-5) outside it, towards 10Y, is outside the data.
    const double ex = 0.4800 - 0.4390, ey = 0.7230 - 0.6150, len = std::hypot(ex, ey);
    const double nx = ey / len, ny = -ex / len;  // unit normal towards the lower hue
    for (const auto& [shift, found] :
         {std::pair{3e-7, true}, std::pair{1e-5, false}, std::pair{1e-4, false}}) {
        const auto px = static_cast<float>(0.44925 + shift * nx);
        const auto py = static_cast<float>(0.6420 + shift * ny);
        EXPECT_EQ(findcell(t, px, py, 1).h == 13, found) << shift;
        EXPECT_EQ(findcell(t, px, py, 1).h == 40, !found) << shift;
    }
    // Far beyond the last chroma of 2.5GY and 5GY at values 1 and 2 (chroma 6, 8).
    const XYZ beyond = fromChromaticity(0.44, 0.80, val2y(1.5f, false));
    Y = beyond.Y;
    const MunsellColour m = xyy2mun(beyond.X, Y, beyond.Z, corners, false);
    EXPECT_FALSE(m.lowerFound || m.upperFound);
}

TEST(Xyy2mun, WhiteSeamAndTopValues) {
    const RenotationTable& t = testing::shippedTable();
    // Exactly the chromaticity of the white: the first corner of the first cell.
    XYZ w{31.01f, 31.63f, 37.36f};
    const double sum = static_cast<double>(w.X) + w.Y + w.Z;
    ASSERT_EQ(static_cast<float>(w.X / sum), colorimetry::cWhiteX);
    ASSERT_EQ(static_cast<float>(w.Y / sum), colorimetry::cWhiteY);
    MunsellColour m = xyy2mun(w.X, w.Y, w.Z, t, false);
    EXPECT_NEAR(m.C, 0, 1e-4);  // to within single precision over a cell edge
    EXPECT_NEAR(m.H, 0, 1e-4);
    EXPECT_TRUE(m.lowerFound && m.upperFound);

    // Either side of the R/RP seam, between two values.
    for (float H : {99.5f, 0.5f}) {
        m = roundTrip(H, 5.5f, 6);
        EXPECT_NEAR(m.H, H, 0.1);
        EXPECT_LT(m.H, 100);
        EXPECT_NEAR(m.C, 6, 0.1);
    }

    // Value above 10, located on level 10 alone: 10RP 10/2 is x .3220 y .3160.
    w = fromChromaticity(0.3220, 0.3160, 105);
    m = xyy2mun(w.X, w.Y, w.Z, t, false);
    EXPECT_GT(m.V, 10);
    EXPECT_NEAR(m.V, valueOf(105, false), 1e-6);
    EXPECT_TRUE(m.lowerFound && m.upperFound);
    EXPECT_TRUE(m.H < 1e-3 || m.H > 100 - 1e-3) << m.H;
    EXPECT_NEAR(m.C, 2, 1e-3);
}

TEST(Xyy2mun, ColoursOutsideTheData) {
    const RenotationTable& t = testing::shippedTable();
    const XYZ deep = fromChromaticity(0.7, 0.1, 20);
    float Y = deep.Y;
    MunsellColour m = xyy2mun(deep.X, Y, deep.Z, t, false);
    EXPECT_FALSE(m.lowerFound);
    EXPECT_FALSE(m.upperFound);
    EXPECT_GE(m.H, 0);  // both levels give 100..102.5, folded once
    EXPECT_LE(m.H, 2.5f);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // The last has a value the polynomial cannot reach in single precision.
    const XYZ invalid[] = {
        {0, 0, 0}, {-5, 1, 2}, {nan, 10, 10}, {10, inf, 10}, {1e30f, 1e30f, 1e30f}};
    for (const XYZ& c : invalid) {
        Y = c.Y;
        m = xyy2mun(c.X, Y, c.Z, t, false);
        EXPECT_EQ(m.H, 0);
        EXPECT_EQ(m.V, 0);
        EXPECT_EQ(m.C, 0);
        EXPECT_FALSE(m.lowerFound || m.upperFound);
    }

    Y = -5;
    m = xyy2mun(10, Y, 10, t, false);
    EXPECT_EQ(Y, 0);
    EXPECT_EQ(m.V, 0);
}

}  // namespace
}  // namespace tintara::munsell
