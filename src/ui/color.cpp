#include "ui/color.h"

#include <algorithm>

namespace tintara::ui {

Rgb clampedRgb(long r, long g, long b) {
    auto limit = [](long v) { return std::uint8_t(std::clamp(v, 0L, 255L)); };
    return Rgb{limit(r), limit(g), limit(b)};
}

}  // namespace tintara::ui
