// CIE tristimulus values and chromaticity, the small value types every
// conversion of the program passes around.
#pragma once

#include <optional>

namespace tintara::colorimetry {

// X, Y, Z on the 0..100 scale (Y = 100 for the white) unless a function says
// otherwise.
struct Xyz {
    float X = 0, Y = 0, Z = 0;
};

// CIE 1931 chromaticity x = X / (X + Y + Z), y = Y / (X + Y + Z).
struct Chromaticity {
    float x = 0, y = 0;
};

// A colour with its chromaticity, as a Munsell notation converts to.
struct XyzXy {
    Xyz xyz;
    Chromaticity xy;
};

// The chromaticity of a colour, the sum formed in double; nothing when
// X + Y + Z is 0.
std::optional<Chromaticity> chromaticityOf(Xyz colour);

// X and Z of the chromaticity x, y at luminance Y, as the main window's x y
// entry forms them: z = 1 - x - y, X = x Y / y, Z = z Y / y. Nothing when y is 0.
std::optional<Xyz> xyzFromChromaticity(Chromaticity xy, float Y);

}  // namespace tintara::colorimetry
