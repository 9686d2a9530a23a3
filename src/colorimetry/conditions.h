// The three illuminant/observer conditions the program works under.
#pragma once

#include "colorimetry/xyz.h"

namespace tintara::colorimetry {

// In the order of the main window's illuminant buttons.
enum class Condition { C2 = 0, D50_2 = 1, D65_10 = 2 };

struct ConditionData {
    const char* caption;  // caption of the illuminant option button
    Xyz white;
    // Scale X and Z so that this white lands on the D65 white of the RGB matrix.
    float kX, kZ;
};

const ConditionData& conditionData(Condition condition);

// The white point of the condition, Y = 100.
inline Xyz whiteOf(Condition condition) { return conditionData(condition).white; }

// The chromaticity of the illuminant C white: the chroma-0 corner of the
// Munsell renotation table and the inner corner of its first cells.
inline constexpr Chromaticity illuminantCWhite{0.3101f, 0.3163f};

}  // namespace tintara::colorimetry
