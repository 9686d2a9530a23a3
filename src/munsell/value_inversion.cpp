#include <cmath>

#include "munsell/cie_to_munsell.h"
#include "munsell/munsell_to_cie.h"

namespace tintara::munsell {
namespace {

// The value polynomial's coefficients as the inversion keeps them, in single
// precision.
constexpr float c1 = 1.2219f, c2 = -0.23111f, c3 = 0.23951f, c4 = -0.021009f, c5 = 0.0008404f;
constexpr int newtonSteps = 15;

}  // namespace

float y2val(float& Y, bool pwd) {
    if (Y < 0) Y = 0;
    const float Yr = pwd ? static_cast<float>(Y / static_cast<double>(perfectWhiteFactor)) : Y;
    auto V = static_cast<float>(std::pow(static_cast<double>(Yr), 0.5));
    // A fixed number of steps, no early exit: 0 stays 0 and every Y takes the
    // same path.
    for (int i = 0; i < newtonSteps; ++i) {
        const double v = V;
        const auto f = static_cast<float>(-static_cast<double>(Yr) + c1 * v + c2 * v * v + c3 * v * v * v +
                                          c4 * v * v * v * v + c5 * v * v * v * v * v);
        const auto slope =
            static_cast<float>(c1 + 2.0 * c2 * v + 3.0 * c3 * v * v + 4.0 * c4 * v * v * v + 5.0 * c5 * v * v * v * v);
        V = static_cast<float>(v - static_cast<double>(f) / slope);
    }
    return V;
}

}  // namespace tintara::munsell
