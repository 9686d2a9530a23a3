#include "viewer3d/view_geometry.h"

#include <algorithm>
#include <cmath>

namespace tintara::viewer3d {

namespace {

// Pan bars count tenths of a unit from their middle.
constexpr int panXMiddle = 400, panYMiddle = 200;
constexpr float panStep = 10;
constexpr float sideViewTilt = 90;
// The value axis: value 5 at the centre, 4 units a value step.
constexpr float middleValue = 5, unitsPerValue = 4;
// The start of the search; chart distances stay far below it.
constexpr float farthestPick = 1000;
constexpr float lowestValue = 0, highestValue = 10;

float drawnValue(float value) {
    if (std::isnan(value)) return lowestValue;
    return std::clamp(value, lowestValue, highestValue);
}

}  // namespace

ViewSettings viewFromBars(int rotation, int tiltBar, int zoom, int panXBar, int panYBar) {
    ViewSettings v;
    v.rotAngle = float(rotation) * radiansPerDegree;
    v.tiltDeg = sideViewTilt - float(tiltBar);
    v.zoom = float(zoom);
    v.panX = float(panXMiddle - panXBar) / panStep;
    v.panY = float(panYBar - panYMiddle) / panStep;
    return v;
}

ChartPoint projectSample(float angle, float value, float chroma, const ViewSettings& view) {
    const double t = double(view.tiltDeg) * double(radiansPerDegree);
    const float theta = angle + view.rotAngle;
    const double x = double(chroma) * std::cos(double(theta));
    const double y = double(chroma) * std::sin(double(theta)) * std::cos(t) +
                     double(unitsPerValue) * std::sin(t) * (double(value) - middleValue);
    return ChartPoint{float(x), float(y)};
}

int nearestEntry(const std::vector<std::array<float, 2>>& points, int count, float X, float Y) {
    int best = 0;
    double bestDistance = farthestPick;
    count = std::min(count, int(points.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const double d = std::abs(double(X) - points[i][0]) + std::abs(double(Y) - points[i][1]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

int sampleDotWidth(float value) { return int(std::nearbyint(2.0f * drawnValue(value) + 2.0f)); }

int selectionDotWidth(float value) { return int(std::nearbyint(drawnValue(value) + 2.0f)); }

}  // namespace tintara::viewer3d
