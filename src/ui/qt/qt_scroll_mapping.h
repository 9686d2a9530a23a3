// A scroll bar model's range may run from a larger number at the top to a
// smaller one at the bottom (a hue bar reads 202 at the top, 0 at the bottom).
// QScrollBar always has its minimum at the top, so a falling range is mirrored:
// the top of the widget shows top() and dragging down moves towards bottom().
#pragma once

#include <algorithm>

#include "ui/controls.h"

namespace tintara::ui::qt {

inline int scrollMinimum(const ScrollBar& bar) { return std::min(bar.top(), bar.bottom()); }
inline int scrollMaximum(const ScrollBar& bar) { return std::max(bar.top(), bar.bottom()); }

// The mirror is its own inverse, so one function maps both ways.
inline int mirroredScrollValue(const ScrollBar& bar, int value) {
    if (bar.top() <= bar.bottom()) return value;
    const long long mirrored = (long long)bar.top() + bar.bottom() - value;
    return int(std::clamp<long long>(mirrored, scrollMinimum(bar), scrollMaximum(bar)));
}

}  // namespace tintara::ui::qt
