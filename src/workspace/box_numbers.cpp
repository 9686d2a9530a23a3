#include "workspace/box_numbers.h"

#include <cmath>
#include <limits>

#include "textio/formats.h"

namespace tintara::workspace {

std::optional<float> numberOf(std::string_view text) {
    const auto value = textio::parseNumber(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return float(*value);
}

std::optional<float> boxNumber(const ui::TextBox& box) { return numberOf(box.text()); }

float boxNumberOr0(const ui::TextBox& box) { return boxNumber(box).value_or(0.0f); }

std::optional<int> nearestWhole(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
    return int(std::nearbyint(value));
}

}  // namespace tintara::workspace
