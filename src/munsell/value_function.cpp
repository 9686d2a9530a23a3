#include "munsell/value_function.h"

#include <cmath>

namespace tintara::munsell {
namespace {

// The polynomial's coefficients for V^1 .. V^5 (no constant term). The forward
// function uses them as written; the inversion keeps them, like its other
// quantities, in single precision.
constexpr double c1 = 1.2219, c2 = -0.23111, c3 = 0.23951, c4 = -0.021009, c5 = 0.0008404;
constexpr float f1 = c1, f2 = c2, f3 = c3, f4 = c4, f5 = c5;
constexpr int newtonSteps = 15;

}  // namespace

float yFromValue(float value, bool pwd) {
    const double v = value;
    double Y = c1 * v + c2 * v * v + c3 * v * v * v + c4 * v * v * v * v + c5 * v * v * v * v * v;
    if (pwd) Y *= perfectWhiteFactor;
    return static_cast<float>(Y);
}

float valueFromY(float Y, bool pwd) {
    if (Y < 0) Y = 0;
    const float Yr = pwd ? static_cast<float>(Y / static_cast<double>(perfectWhiteFactor)) : Y;
    auto V = static_cast<float>(std::pow(static_cast<double>(Yr), 0.5));
    for (int i = 0; i < newtonSteps; ++i) {
        const double v = V;
        const auto f = static_cast<float>(-static_cast<double>(Yr) + f1 * v + f2 * v * v + f3 * v * v * v +
                                          f4 * v * v * v * v + f5 * v * v * v * v * v);
        const auto slope =
            static_cast<float>(f1 + 2.0 * f2 * v + 3.0 * f3 * v * v + 4.0 * f4 * v * v * v + 5.0 * f5 * v * v * v * v);
        V = static_cast<float>(v - static_cast<double>(f) / slope);
    }
    return V;
}

}  // namespace tintara::munsell
