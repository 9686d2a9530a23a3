#include "colorimetry/lab.h"

#include <cmath>

namespace tintara::colorimetry {

namespace {

// The cube root is taken with this decimal, not an exact third, so that the
// figures agree with the tables the program's users compare against.
constexpr double cubeRootExponent = 0.333333;

// Below this ratio to the white, f(t) follows the straight segment that meets
// the cube root near black (CIE 1976).
constexpr double linearSegmentEnd = 0.008856;
constexpr double linearSegmentSlope = 7.787;
constexpr double linearSegmentOffset = 16.0 / 116.0;

// White of xyzFromLab, the same whatever condition is selected.
constexpr double labWhiteX = 98.04;
constexpr double labWhiteZ = 118.1;

double labF(double t) {
    if (t <= linearSegmentEnd) return linearSegmentSlope * t + linearSegmentOffset;
    return std::pow(t, cubeRootExponent);
}

float raised(float v) { return v < lowestLabTristimulus ? lowestLabTristimulus : v; }

std::optional<Xyz> labToXyz(Lab lab, double whiteX, double whiteY, double whiteZ) {
    // Below the lowest L* (or for a NaN) Y/100 would have no real cube root.
    if (!(lab.L >= lowestLabL)) return std::nullopt;
    const double fy = (static_cast<double>(lab.L) + 16.0) / 116.0;
    const auto Y = static_cast<float>(fy * fy * fy * whiteY);
    const double root = std::pow(static_cast<double>(Y) / whiteY, cubeRootExponent);
    // A negative base gives a negative cube, as the plain product does.
    const double baseX = root + static_cast<double>(lab.a) / 500.0;
    const double baseZ = root - static_cast<double>(lab.b) / 200.0;
    return Xyz{static_cast<float>(baseX * baseX * baseX * whiteX), Y,
               static_cast<float>(baseZ * baseZ * baseZ * whiteZ)};
}

}  // namespace

Xyz raisedForLab(Xyz colour) { return {raised(colour.X), raised(colour.Y), raised(colour.Z)}; }

Lab labFromXyz(Xyz colour, Condition condition) {
    const Xyz white = whiteOf(condition);
    const Xyz c = raisedForLab(colour);
    const double fx = labF(static_cast<double>(c.X) / white.X);
    const double fy = labF(static_cast<double>(c.Y) / white.Y);
    const double fz = labF(static_cast<double>(c.Z) / white.Z);
    return {static_cast<float>(116.0 * fy - 16.0), static_cast<float>(500.0 * (fx - fy)),
            static_cast<float>(200.0 * (fy - fz))};
}

std::optional<Xyz> xyzFromLab(Lab lab) { return labToXyz(lab, labWhiteX, 100.0, labWhiteZ); }

std::optional<Xyz> xyzFromLab(Lab lab, Xyz white) { return labToXyz(lab, white.X, white.Y, white.Z); }

}  // namespace tintara::colorimetry
