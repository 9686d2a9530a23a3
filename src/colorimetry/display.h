// Display RGB and CMYK: the conversions between CIE XYZ and what the screen and
// the inks show.
#pragma once

#include <array>
#include <cstdint>

#include "colorimetry/conditions.h"
#include "colorimetry/xyz.h"

namespace tintara::colorimetry {

// Per-channel display settings; index 1..3 is red, green, blue (index 0 is kept
// so that the channel numbers read as everywhere else in the program).
struct DisplaySettings {
    std::array<float, 4> gain{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 4> exponent{1.0f / 2.2f, 1.0f / 2.2f, 1.0f / 2.2f, 1.0f / 2.2f};
    std::array<float, 4> inkExponent{0.4545f, 0.4545f, 0.4545f, 0.4545f};
};

// Linear display RGB, 0..1 for the display range.
struct LinearRgb {
    float r = 0, g = 0, b = 0;
};

// 8-bit display components of a colour.
struct DisplayRgb {
    std::int16_t R = 0, G = 0, B = 0;  // 0..255, clamped, never zeroed here
    bool outOfGamut = false;
    LinearRgb linear;  // negatives raised to 0
};

// The values the display matrix is applied to: X, Y, Z divided by 100, X scaled
// by kX and Z by kZ of the condition. The main window's xyzrgb leaves them in
// its caller's variables.
Xyz displayWorkingXyz(Xyz colour, Condition condition);

// Linear display RGB of X, Y, Z (0..100): the display matrix applied to the
// working values, negatives kept.
LinearRgb linearRgbFromXyz(Xyz colour, Condition condition);

// X, Y, Z (0..100) to 8-bit display RGB (xyzrgb). Components are truncated,
// never rounded; a component beyond 0..255 is clamped and flags the colour out
// of gamut, as does a negative linear value and any working X, Y or Z at or
// below 0 (so black counts as outside).
DisplayRgb displayRgbFromXyz(Xyz colour, Condition condition, const DisplaySettings& display);

// Linear display RGB to X, Y, Z on the 0..1 scale (rgbxyz): the inverse matrix,
// then X divided by kX and Z by kZ.
Xyz xyzFromLinearRgb(LinearRgb rgb, Condition condition);

// The linear value of one 8-bit component, the inverse of the display
// encoding: (component / gain / 255) ^ (1 / exponent).
float linearFromComponent(int component, float gain, float exponent);

// The linear values of three components with the channels' gains and exponents.
LinearRgb linearFromComponents(int R, int G, int B, const DisplaySettings& display);

}  // namespace tintara::colorimetry
