// Munsell notation to CIE X, Y, Z by interpolation in the renotation table.
#pragma once

#include <optional>

#include "colorimetry/conditions.h"
#include "colorimetry/xyz.h"
#include "munsell/munsell_colour.h"
#include "munsell/renotation_table.h"

namespace tintara::munsell {

// Value ceiling of the table interpolation: higher values are converted as 9.5.
inline constexpr float highestValue = 9.5f;

// The value the conversion works with: at most highestValue. The main window's
// mun2xyz leaves it in its caller's variable.
inline float valueConverted(float value) { return value > highestValue ? highestValue : value; }

// X, Y, Z and x, y of a Munsell colour under the condition (mun2xyz): x, y by
// trilinear interpolation in the table (hue, then chroma, then value), Y from
// the value (yFromValue), X = Y x / y, Z = Y / y - X - Y, then adapted from
// illuminant C to the condition. Nothing when the colour is not in the
// renotation data (a corner of its cell has no sample), and likewise for a
// negative hue, value or chroma, a hue of 100 or more (give 10RP as 0) and a
// chroma of 60 or more.
std::optional<colorimetry::XyzXy> munsellToXyz(const RenotationTable& table, MunsellColour colour,
                                               colorimetry::Condition condition, bool pwd);

}  // namespace tintara::munsell
