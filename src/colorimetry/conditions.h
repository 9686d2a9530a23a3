// The three illuminant/observer conditions the program works under.
#pragma once

namespace tintara::colorimetry {

enum class Condition { C2 = 0, D50_2 = 1, D65_10 = 2 };

struct ConditionData {
    const char* caption;  // caption of the illuminant option button
    float whiteX, whiteY, whiteZ;
    // Scale X and Z so that this white lands on the D65 white of the RGB matrix.
    float kX, kZ;
};

const ConditionData& conditionData(Condition condition);

// The chromaticity of the illuminant C white, the inner corner of the Munsell
// renotation table.
inline constexpr float cWhiteX = 0.3101f;
inline constexpr float cWhiteY = 0.3163f;

}  // namespace tintara::colorimetry
