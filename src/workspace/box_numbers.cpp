#include "workspace/box_numbers.h"

#include <cmath>
#include <limits>

#include "textio/formats.h"

namespace tintara::workspace {

std::optional<float> boxNumber(const ui::TextBox& box) {
    const auto value = textio::parseNumber(box.text());
    if (!value || !std::isfinite(*value) || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return float(*value);
}

float boxNumberOr0(const ui::TextBox& box) { return boxNumber(box).value_or(0.0f); }

std::optional<int> nearestWhole(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
    return int(std::nearbyint(value));
}

}  // namespace tintara::workspace
