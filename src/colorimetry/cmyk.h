// CMYK: display RGB to inks with grey-component black, and back.
#pragma once

#include <cstdint>

#include "colorimetry/display.h"

namespace tintara::colorimetry {

// Whole ink percentages 0..100.
struct Cmyk {
    float C = 0, M = 0, Y = 0, K = 0;
};

// Ink fractions 0..1, as the CMYK entry reads its boxes.
struct InkFractions {
    float c = 0, m = 0, y = 0, k = 0;
};

// Each of r, g, b that is negative (or not a number) raised to 0.
LinearRgb withoutNegatives(LinearRgb rgb);

// Linear RGB to CMYK with grey-component black (rgbcmyk): negatives count as
// 0, inks 1 - channel ^ inkExponent, black the smallest ink less the 0.2
// undercolour threshold when it reaches it, the other inks less that black.
Cmyk cmykFromLinearRgb(LinearRgb rgb, const DisplaySettings& display);

// The reverse ink conversion (cmykrgb): each channel (1 - ink) - k, limited to
// 0..1, raised to 1 / inkExponent and limited again.
LinearRgb linearFromInks(InkFractions inks, const DisplaySettings& display);

struct RoundedRgb {
    std::int16_t R = 0, G = 0, B = 0;  // 0..255
    bool clamped = false;              // a component had to be brought into 0..255
};

// Display components of linear RGB taken to the nearest whole number (0.5 added
// before the floor), as the CMYK entry does, rather than truncated as in
// displayRgbFromXyz.
RoundedRgb roundedComponents(LinearRgb rgb, const DisplaySettings& display);

}  // namespace tintara::colorimetry
