// CIE L*a*b*.
#pragma once

#include <optional>

#include "colorimetry/conditions.h"
#include "colorimetry/xyz.h"

namespace tintara::colorimetry {

struct Lab {
    float L = 0, a = 0, b = 0;
};

// X, Y and Z below this are raised to it before L*a*b* is formed.
inline constexpr float lowestLabTristimulus = 0.01f;

// The colour with each of X, Y, Z below 0.01 raised to 0.01 (a NaN stays as it
// is). The main window's xyzlab leaves these values in its caller's variables.
Xyz raisedForLab(Xyz colour);

// L*a*b* of a colour (0..100 scale) against the white of the condition, after
// raisedForLab (xyzlab).
Lab labFromXyz(Xyz colour, Condition condition);

// The lowest L* xyzFromLab accepts: below it Y would be negative.
inline constexpr float lowestLabL = -16.0f;

// X, Y, Z of L*a*b*, always against the white 98.04, 100, 118.1 and without the
// linear segment near black (labxyz). Nothing when L* lies below lowestLabL or
// is not a number.
std::optional<Xyz> xyzFromLab(Lab lab);

// The same formula against the white given (Y = 100), the exact inverse of
// labFromXyz above the linear segment: the main window's L*a*b* entry and the
// tolerance chart read L*a*b* against the selected condition's own white.
std::optional<Xyz> xyzFromLab(Lab lab, Xyz white);

}  // namespace tintara::colorimetry
