// CIE L*a*b*.
#pragma once

#include "colorimetry/conditions.h"

namespace tintara::colorimetry {

// L*a*b* of X, Y, Z (0..100 scale) against the white of the condition.
// X, Y and Z below 0.01 are raised to 0.01 in the caller's variables, which the
// callers rely on.
void xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b, Condition condition);

// The lowest L* labxyz accepts: below it Y would be negative.
inline constexpr float lowestLabL = -16.0f;

// X, Y, Z of L*a*b*, always against the white 98.04, 100, 118.1 and without the
// linear segment near black. Returns false, leaving X, Y, Z untouched, when L*
// lies below lowestLabL.
bool labxyz(float& X, float& Y, float& Z, float L, float a, float b);

}  // namespace tintara::colorimetry
