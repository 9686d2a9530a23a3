// The palette viewer's geometry: the view its scroll bars set, where each
// sample lands on the display, and which sample a click picks. Chart units are
// one chroma step across; value V stands 4 (V - 5) high before tilting, so
// values 0..10 span -20..20 like chroma 0..20.
#pragma once

#include <array>
#include <vector>

namespace tintara::viewer3d {

// The viewer's degree, in radians.
inline constexpr float radiansPerDegree = 0.0174532925f;

struct ViewSettings {
    float rotAngle = 0;  // rotation about the value axis, radians
    float tiltDeg = 75;  // 90 a side view, 0 a view straight down the value axis
    float zoom = 20;     // half the width of the visible square, chart units
    float panX = 0;      // -40..40
    float panY = 0;      // -20..20
};

// The view the scroll bars set: rotation (-180..180 degrees), tilt bar
// (0..90, the tilt being 90 minus it), zoom (1..40), pan X (0..800) and
// pan Y (0..400).
ViewSettings viewFromBars(int rotation, int tiltBar, int zoom, int panXBar, int panYBar);

struct ChartPoint {
    float x = 0, y = 0;
};

// Where a sample of hue angle A (radians), value V and chroma C lands: with
// theta = A + rotation and t the tilt, x = C cos theta and
// y = C sin theta cos t + 4 sin t (V - 5).
ChartPoint projectSample(float angle, float value, float chroma, const ViewSettings& view);

// The entry 1..count whose point is nearest to (X, Y) by |dx| + |dy|, the lower
// number on a tie; 0 when none lies nearer than 1000 units. points[0] is unused.
int nearestEntry(const std::vector<std::array<float, 2>>& points, int count, float X, float Y);

// The dot of a sample is 2 V + 2 pixels across and its selection mark V + 2,
// with V limited to 0..10 (a value from a file is not trusted to size a dot).
int sampleDotWidth(float value);
int selectionDotWidth(float value);

}  // namespace tintara::viewer3d
