// Numbers read from entry boxes.
#pragma once

#include <optional>
#include <string_view>

#include "ui/controls.h"

namespace tintara::workspace {

// The number of a text when the whole text is one finite number that fits a
// float.
std::optional<float> numberOf(std::string_view text);

// The box's number when its whole text is one finite number that fits a float.
std::optional<float> boxNumber(const ui::TextBox& box);

// The box's number, or 0 when its text is not one.
float boxNumberOr0(const ui::TextBox& box);

// A value taken to the nearest whole number, halves to even; nothing when it
// lies beyond what a scroll bar or a 16-bit field could hold.
std::optional<int> nearestWhole(double value);

}  // namespace tintara::workspace
