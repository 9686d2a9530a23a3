// CIE to Munsell: the cell scan, the point-in-quadrilateral test, the position
// inside a cell, and the blend of the two value levels.
#include "munsell/cie_to_munsell.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "munsell/cell_search.h"
#include "munsell/hue_circle.h"
#include "munsell/shipped_table.h"
#include "munsell/value_function.h"

namespace tintara::munsell {
namespace {

using colorimetry::Xyz;
using testkit::locate;

// The colour of chromaticity x, y at luminance Y.
Xyz ofChromaticity(double x, double y, double Y) {
    return {static_cast<float>(Y * x / y), static_cast<float>(Y), static_cast<float>(Y * (1 - x - y) / y)};
}

TEST(CellSearch, PointInClockwiseQuad) {
    // The unit square taken clockwise, (0,0) (0,1) (1,1) (1,0): inside, on each
    // edge, on a vertex, just outside each edge.
    const struct {
        float x, y;
        bool in;
    } cases[] = {{0.5f, 0.5f, true},    {0, 0.5f, true},      {0.5f, 1, true},       {1, 0.5f, true},
                 {0.5f, 0, true},       {1, 1, true},         {-1e-6f, 0.5f, false}, {0.5f, 1.001f, false},
                 {1.001f, 0.5f, false}, {0.5f, -1e-6f, false}};
    for (const auto& k : cases)
        EXPECT_EQ(geometry::insideClockwiseQuad(k.x, k.y, {0, 0}, {0, 1}, {1, 1}, {1, 0}), k.in) << k.x << " " << k.y;
    // Taken anticlockwise nothing inside passes.
    EXPECT_FALSE(geometry::insideClockwiseQuad(0.5f, 0.5f, {0, 0}, {1, 0}, {1, 1}, {0, 1}));
}

// A table holding only triangular first cells at the white W: D 0.04 to the
// right of it and Cc 0.04 above it, in the hue strip `strip` of `level`. The
// point 0.01 right of and above W lies halfway along the outer edge and
// halfway out: hue (strip + 0.5) * 2.5, chroma 1. (A colour on the edge
// between two strips belongs to the lower one; at whole values the round
// trips meet such colours on the 2.5 hue grid.)
void addFirstCell(RenotationTable& table, int level, int strip) {
    const std::int16_t corners[4][4] = {{0, 0, 3101, 3163}, {1, 0, 3101, 3163}, {0, 1, 3501, 3163}, {1, 1, 3101, 3563}};
    for (const auto& k : corners) std::copy(k + 2, k + 4, table.entry[level][strip + k[0]][k[1]]);
}

// Level hues across the R/RP seam are blended on the same turn, whichever
// level holds the RP side: at value 3.25 one level gives 98.75 and the other
// 1.25, so the blend is 0.75 * 98.75 + 0.25 * 101.25 = 99.375, or 0.75 *
// 101.25 + 0.25 * 98.75 = 100.625, folded to 0.625. Where only one level
// holds the colour, hue and chroma are that level's: the first cell of strip
// 6 gives hue 6.5 * 2.5 = 16.25, chroma 1, whichever level holds it and
// whatever the fractional value. (Blending in the other level's not-found
// cell gave 0.75 * 116.25 + 0.25 * 101.25, folded: hue 12.5.)
TEST(XyzToMunsell, LevelHuesAcrossTheSeamAndOneLevelAlone) {
    const struct {
        int lowerStrip, upperStrip;  // -1: the level holds no cell
        float value, hue;
    } cases[] = {{39, 0, 3.25f, 99.375f}, {0, 39, 3.25f, 0.625f}, {6, -1, 3.25f, 16.25f},
                 {-1, 6, 3.25f, 16.25f},  {6, -1, 3.9f, 16.25f},  {-1, 6, 3.05f, 16.25f}};
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.lowerStrip << " " << k.upperStrip << " at " << k.value);
        auto table = std::make_unique<RenotationTable>();
        if (k.lowerStrip >= 0) addFirstCell(*table, 3, k.lowerStrip);
        if (k.upperStrip >= 0) addFirstCell(*table, 4, k.upperStrip);
        const auto m = xyzToMunsell(*table, ofChromaticity(0.3201, 0.3263, yFromValue(k.value, false)), false);
        ASSERT_TRUE(m.has_value());
        EXPECT_TRUE(m->lowerLevelHeld == (k.lowerStrip >= 0) && m->upperLevelHeld == (k.upperStrip >= 0));
        EXPECT_NEAR(m->colour.value, k.value, 1e-5);
        EXPECT_NEAR(m->colour.hue, k.hue, 1e-3);
        EXPECT_NEAR(m->colour.chroma, 1, 1e-5);
    }
}

// 2.5GY 1/4.5 (x .44925 y .6420) lies on the lower-hue edge of cell (13, 2)
// of level 1, a quarter of the way from 2.5GY 1/4 (.4390 .6150) to 2.5GY 1/6
// (.4800 .7230). The strip below ends at 10Y 1/4, so no cell lies across that
// edge: a few float steps (3e-7) outside it is rounding and must not lose the
// colour; a tenth of a table unit (1e-5) outside it, towards 10Y, is outside
// the data. (The round trips at whole values cover the colour itself.)
TEST(XyzToMunsell, ColourOnAnEdgeWhereTheDataEnd) {
    const double ex = 0.4800 - 0.4390, ey = 0.7230 - 0.6150, len = std::hypot(ex, ey);
    for (const double shift : {0.0, 3e-7, 1e-5, 1e-4}) {
        const auto x = static_cast<float>(0.44925 + shift * ey / len);
        const auto y = static_cast<float>(0.6420 - shift * ex / len);
        EXPECT_EQ(search::findCellHolding(search::TableCorners{testkit::shippedTable()}, x, y, 1).h,
                  shift < 1e-6 ? 13 : search::notFound)
            << shift;
    }
}

// Exactly the chromaticity of the white: the first corner of the first cell.
// Value above 10, located on level 10 alone: 10RP 10/2 is x .3220 y .3160.
// Far outside the data at both levels: the not-found cell gives 100..102.5,
// folded once. A negative Y counts as 0: value 0, and the chromaticity of (10, 0, 10).
TEST(XyzToMunsell, WhiteTopValuesNotFoundAndInvalidInput) {
    const struct {
        Xyz xyz;
        float hue, hueTolerance, chroma, chromaTolerance;
        bool held;
    } cases[] = {{{31.01f, 31.63f, 37.36f}, 0, 1e-4f, 0, 1e-4f, true},
                 {ofChromaticity(0.3220, 0.3160, 105), 0, 1e-3f, 2, 1e-3f, true},
                 {ofChromaticity(0.7, 0.1, 20), 1.25f, 1.25f, 0, 1e9f, false}};
    for (const auto& k : cases) {
        const auto m = locate(k.xyz);
        ASSERT_TRUE(m.has_value());
        EXPECT_NEAR(m->colour.value, valueFromY(k.xyz.Y, false), 1e-6);
        EXPECT_TRUE(m->lowerLevelHeld == k.held && m->upperLevelHeld == k.held);
        EXPECT_NEAR(foldedOnce(m->colour.hue + 50) - 50, k.hue, k.hueTolerance) << m->colour.hue;
        EXPECT_NEAR(m->colour.chroma, k.chroma, k.chromaTolerance);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (const Xyz& bad :
         {Xyz{0, 0, 0}, Xyz{-5, 1, 2}, Xyz{nan, 10, 10}, Xyz{10, nan, 10}, Xyz{10, -inf, 10}, Xyz{1e30f, 1e30f, 1e30f}})
        EXPECT_FALSE(locate(bad).has_value()) << bad.X << " " << bad.Y << " " << bad.Z;
    EXPECT_EQ(locate({10, -5, 10}).value().colour.value, 0);
}

}  // namespace
}  // namespace tintara::munsell
