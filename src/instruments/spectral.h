// Reflectance curves and their integration to tristimulus values under
// illuminant C with the 2 degree observer.
#pragma once

#include <array>

namespace tintara::instruments {

// A reflectance curve in percent; index i (1..40) is 350 + 10 i nm, 360..750 nm.
// Index 0 is never read.
using Reflectance = std::array<float, 41>;

// Weights per wavelength; index 0 holds the white point 98.074, 100, 118.232.
struct Weights {
    std::array<float, 41> X{}, Y{}, Z{};
};

// The table of illuminant C / 2 degree weights.
Weights getweights();

struct Tristimulus {
    float X = 0, Y = 0, Z = 0;
};

// Integrates a curve; single-precision running sums, divided by 100 at the end.
Tristimulus tris(const Reflectance& refl, const Weights& weights);

}  // namespace tintara::instruments
