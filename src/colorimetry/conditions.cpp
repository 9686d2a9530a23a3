#include "colorimetry/conditions.h"

#include <array>
#include <cstddef>

namespace tintara::colorimetry {

namespace {

// White points of the three illuminant/observer conditions, with the factors
// that carry each white onto the D65 white the display matrix is built for.
constexpr std::array<ConditionData, 3> conditionTable{{
    {"C 1931", {98.074f, 100.0f, 118.232f}, 0.969136f, 0.920927f},
    {"D5000", {96.42f, 100.0f, 82.49f}, 0.98574f, 1.319458f},
    {"D65 10", {94.811f, 100.0f, 107.304f}, 1.002489f, 1.014715f},
}};

}  // namespace

const ConditionData& conditionData(Condition condition) { return conditionTable[static_cast<std::size_t>(condition)]; }

}  // namespace tintara::colorimetry
