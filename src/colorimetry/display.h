// Display RGB and CMYK: the conversions between CIE XYZ and what the screen and
// the inks show.
#pragma once

#include <array>
#include <cstdint>

#include "colorimetry/conditions.h"

namespace tintara::colorimetry {

// Per-channel display settings; index 1..3 is red, green, blue (index 0 is kept
// so that the channel numbers read as everywhere else in the program).
struct DisplaySettings {
    std::array<float, 4> gain{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 4> exponent{1.0f / 2.2f, 1.0f / 2.2f, 1.0f / 2.2f, 1.0f / 2.2f};
    std::array<float, 4> inkExponent{0.4545f, 0.4545f, 0.4545f, 0.4545f};
};

struct DisplayRgb {
    std::int16_t R = 0, G = 0, B = 0;  // 0..255, clamped, never zeroed here
    bool outOfGamut = false;
    float linR = 0, linG = 0, linB = 0;  // linear values, negatives raised to 0
};

// X, Y, Z (0..100) to 8-bit display RGB. On return the caller's X, Y, Z hold the
// working values: divided by 100, X scaled by kX and Z by kZ of the condition.
// Components are truncated, never rounded; a component beyond 0..255 is clamped
// and flags the colour out of gamut, as does any working X, Y or Z at or below 0.
DisplayRgb xyzrgb(float& X, float& Y, float& Z, Condition condition, const DisplaySettings& display);

// Linear display RGB (0..1) to X, Y, Z on the 0..1 scale.
void rgbxyz(float r, float g, float b, float& X, float& Y, float& Z, Condition condition);

struct Cmyk {
    float C = 0, M = 0, Y = 0, K = 0;  // whole percentages 0..100
};

// Linear RGB to CMYK with grey-component black. Negative r, g, b are raised to 0
// in the caller's variables.
Cmyk rgbcmyk(float& r, float& g, float& b, const DisplaySettings& display);

}  // namespace tintara::colorimetry
