#include "colorimetry/lab.h"

#include <cmath>

namespace tintara::colorimetry {

namespace {

// The cube root is taken with this decimal, not an exact third, so that the
// figures agree with the tables the program's users compare against.
constexpr double cubeRootExponent = 0.333333;

constexpr float lowestTristimulus = 0.01f;

// White of labxyz, the same whatever condition is selected.
constexpr double labWhiteX = 98.04;
constexpr double labWhiteZ = 118.1;

double labF(double t) {
    if (t <= 0.008856) {
        return 7.787 * t + 16.0 / 116.0;
    }
    return std::pow(t, cubeRootExponent);
}

void raiseToFloor(float& v) {
    if (v < lowestTristimulus) {
        v = lowestTristimulus;
    }
}

}  // namespace

void xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b, Condition condition) {
    const ConditionData& white = conditionData(condition);
    raiseToFloor(X);
    raiseToFloor(Y);
    raiseToFloor(Z);
    const double fx = labF(static_cast<double>(X) / white.whiteX);
    const double fy = labF(static_cast<double>(Y) / white.whiteY);
    const double fz = labF(static_cast<double>(Z) / white.whiteZ);
    L = static_cast<float>(116.0 * fy - 16.0);
    a = static_cast<float>(500.0 * (fx - fy));
    b = static_cast<float>(200.0 * (fy - fz));
}

bool labxyz(float& X, float& Y, float& Z, float L, float a, float b) {
    // Below the lowest L* (or for a NaN) Y/100 would have no real cube root.
    if (!(L >= lowestLabL)) {
        return false;
    }
    const double fy = (static_cast<double>(L) + 16.0) / 116.0;
    const float newY = static_cast<float>(fy * fy * fy * 100.0);
    const double root = std::pow(static_cast<double>(newY) / 100.0, cubeRootExponent);
    // A negative base gives a negative cube, as the plain product does.
    const double baseX = root + static_cast<double>(a) / 500.0;
    const double baseZ = root - static_cast<double>(b) / 200.0;
    X = static_cast<float>(baseX * baseX * baseX * labWhiteX);
    Y = newY;
    Z = static_cast<float>(baseZ * baseZ * baseZ * labWhiteZ);
    return true;
}

}  // namespace tintara::colorimetry
