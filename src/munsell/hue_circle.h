// The hue circle: hue numbers run from 0 to 100, and 0 and 100 are the same
// hue (10RP). Every place that brings a hue number back onto the circle uses
// these.
#pragma once

namespace tintara::munsell {

inline constexpr float hueTurn = 100.0f;

// A hue number from 100 up brought back by one turn: a hue text that names no
// family reads as 100 plus its number, and the blend of two value levels'
// hues across the R/RP seam can pass 100. Smaller numbers are left as they are.
inline float foldedOnce(float hue) {
    return hue >= hueTurn ? static_cast<float>(hue - static_cast<double>(hueTurn)) : hue;
}

// Any hue number onto the circle: 0..100 stays as it is (100, 10RP, included),
// numbers above 100 come to (0, 100], negative ones to [0, 100); a number that
// is not finite counts as 0.
float ontoHueCircle(float hue);

}  // namespace tintara::munsell
