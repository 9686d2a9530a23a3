// The viewer's geometry by hand: the view its bars set, where a sample lands
// at the two extreme tilts and between, which dot a click picks, and how wide
// a dot is.
#include "viewer3d/view_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tintara::viewer3d {
namespace {

constexpr float degree = 0.0174532925f;

TEST(ViewGeometry, TheBarsAtBothEndsAndBetween) {
    struct Case {
        int bars[5];
        float rot, tilt, zoom, panX, panY;
    };
    const Case cases[] = {
        {{0, 15, 20, 400, 200}, 0, 75, 20, 0, 0},  // the bars as the window opens
        {{-180, 0, 1, 0, 0}, -3.14159265f, 90, 1, 40, -20},
        {{180, 90, 40, 800, 400}, 3.14159265f, 0, 40, -40, 20},
        {{45, 30, 7, 395, 213}, 0.785398163f, 60, 7, 0.5f, 1.3f},
    };
    for (const Case& c : cases) {
        const ViewSettings v = viewFromBars(c.bars[0], c.bars[1], c.bars[2], c.bars[3], c.bars[4]);
        EXPECT_NEAR(v.rotAngle, c.rot, 1e-6);
        EXPECT_FLOAT_EQ(v.tiltDeg, c.tilt);
        EXPECT_FLOAT_EQ(v.zoom, c.zoom);
        EXPECT_FLOAT_EQ(v.panX, c.panX);
        EXPECT_FLOAT_EQ(v.panY, c.panY);
    }
}

// x = C cos(A + rotation), y = C sin(A + rotation) cos t + 4 sin t (V - 5).
TEST(ViewGeometry, ProjectionAtTheSideViewFromAboveAndBetween) {
    struct Case {
        float angle, value, chroma, rotationDeg, tiltDeg, x, y;
    };
    const Case cases[] = {
        // 5R (18 degrees), value 8, chroma 10; the side view, from above and a
        // quarter turn are drawn and checked by the display tests.
        // Turned to -180: -162 degrees.
        {18 * degree, 8, 10, -180, 0, -9.51056516f, -3.09016994f},
        // 5Y (90 degrees), value 2, chroma 6 at tilt 60: 6 * 0.5 + 4 * 0.8660254 * -3.
        {90 * degree, 2, 6, 0, 60, 0, -7.39230485f},
        // A neutral stands on the axis whatever its angle.
        {4, 7, 0, 33, 75, 0, 7.72740661f},
        {0, 5, 20, 0, 90, 20, 0},
    };
    for (const Case& c : cases) {
        ViewSettings v;
        v.rotAngle = c.rotationDeg * degree;
        v.tiltDeg = c.tiltDeg;
        const ChartPoint p = projectSample(c.angle, c.value, c.chroma, v);
        EXPECT_NEAR(p.x, c.x, 2e-5) << c.angle << " " << c.tiltDeg;
        EXPECT_NEAR(p.y, c.y, 2e-5) << c.angle << " " << c.tiltDeg;
    }
}

TEST(ViewGeometry, PickingTakesTheNearestLowerOnATieAndNothingBeyond1000) {
    const std::vector<std::array<float, 2>> points = {{99, 99}, {0, 0}, {3, 4}, {3, 4}, {-5, 1}};
    EXPECT_EQ(nearestEntry(points, 4, 3, 4), 2);          // 2 and 3 coincide: the lower
    EXPECT_EQ(nearestEntry(points, 4, -4, 1), 4);         // 1 away, against 5
    EXPECT_EQ(nearestEntry(points, 4, -2.5f, 0.5f), 1);   // 3 from both 1 and 4: the lower
    EXPECT_EQ(nearestEntry(points, 4, -2.5f, 0.75f), 4);  // 2.75 against 3.25
    EXPECT_EQ(nearestEntry(points, 4, 999, 0), 1);        // far, yet nearer than 1000
    EXPECT_EQ(nearestEntry(points, 4, 1000, 0), 0);       // 1000 away is not nearer
    EXPECT_EQ(nearestEntry(points, 1, 3, 4), 1);          // only the entries counted
    EXPECT_EQ(nearestEntry(points, 0, 0, 0), 0);
    EXPECT_EQ(nearestEntry(points, 9, -5, 1), 4);  // a count beyond the table stops at its end
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(nearestEntry({{0, 0}, {nan, nan}, {1, 1}}, 2, 0, 0), 2);
}

TEST(ViewGeometry, DotWidthsFromTheValueLimitedToZeroToTen) {
    const std::pair<float, int> sample[] = {{0, 2},     {10, 22},    {-3, 2},    {1e6f, 22},        {0.25f, 2},
                                            {0.75f, 4}, {4.25f, 10}, {6.1f, 14}, {std::nanf(""), 2}};
    for (const auto& [value, width] : sample) EXPECT_EQ(sampleDotWidth(value), width) << value;
    const std::pair<float, int> selection[] = {{10, 12}, {0, 2}, {0.5f, 2}, {1.5f, 4}, {-3, 2}, {1e6f, 12}};
    for (const auto& [value, width] : selection) EXPECT_EQ(selectionDotWidth(value), width) << value;
}

}  // namespace
}  // namespace tintara::viewer3d
