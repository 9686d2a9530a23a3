// Munsell notation to CIE X, Y, Z by interpolation in the renotation table.
#pragma once

#include "colorimetry/conditions.h"
#include "munsell/renotation_table.h"

namespace tintara::munsell {

// Value ceiling of the table interpolation.
inline constexpr float highestValue = 9.5f;
// Rescales the value function from magnesium oxide to the perfect white diffuser.
inline constexpr float perfectWhiteFactor = 0.975f;

// Luminance Y of Munsell value V (1943 renotation polynomial), times 0.975 with
// the perfect-white option.
float val2y(float V, bool pwd);

// X, Y, Z and x, y of hue number H (0 <= H < 100), value V and chroma C under
// the condition. V above 9.5 is lowered to 9.5 in the caller's variable.
// Returns false with X = Y = Z = 0, leaving x and y untouched, when the colour
// is not in the renotation data, and likewise for negative H, V or C and for H
// of 100 or more.
bool mun2xyz(const RenotationTable& table, float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y,
             colorimetry::Condition condition, bool pwd);

}  // namespace tintara::munsell
