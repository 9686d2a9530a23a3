#include "colorimetry/xyz.h"

namespace tintara::colorimetry {

std::optional<Chromaticity> chromaticityOf(Xyz colour) {
    const double sum = static_cast<double>(colour.X) + static_cast<double>(colour.Y) + static_cast<double>(colour.Z);
    if (sum == 0.0) return std::nullopt;
    return Chromaticity{static_cast<float>(colour.X / sum), static_cast<float>(colour.Y / sum)};
}

std::optional<Xyz> xyzFromChromaticity(Chromaticity xy, float Y) {
    if (xy.y == 0.0f) return std::nullopt;
    // z is kept in single precision, like every intermediate of the entry.
    const auto z = static_cast<float>(1.0 - xy.x - xy.y);
    return Xyz{static_cast<float>(static_cast<double>(xy.x) * Y / xy.y), Y,
               static_cast<float>(static_cast<double>(z) * Y / xy.y)};
}

}  // namespace tintara::colorimetry
