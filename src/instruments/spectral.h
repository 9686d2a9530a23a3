// Reflectance curves and their integration to tristimulus values under
// illuminant C with the 2 degree observer.
#pragma once

#include <array>

#include "colorimetry/xyz.h"

namespace tintara::instruments {

// A reflectance curve in percent; index i (1..40) is 350 + 10 i nm, 360..750 nm.
// Index 0 is never read.
using Reflectance = std::array<float, 41>;

// Weights per wavelength; index 0 holds the white point 98.074, 100, 118.232.
struct Weights {
    std::array<float, 41> X{}, Y{}, Z{};
};

// The table of illuminant C / 2 degree weights (getweights).
Weights illuminantCWeights();

// X, Y, Z of a curve (tris): single-precision running sums of reflectance times
// weight over 360..750 nm, divided by 100 at the end, so that a curve of 100
// everywhere gives the white point. All-zero weights (no instrument configured)
// give black.
colorimetry::Xyz tristimulusOf(const Reflectance& refl, const Weights& weights);

}  // namespace tintara::instruments
