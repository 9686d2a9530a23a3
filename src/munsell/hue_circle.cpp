#include "munsell/hue_circle.h"

#include <cmath>

namespace tintara::munsell {

float ontoHueCircle(float hue) {
    if (!std::isfinite(hue)) return 0;
    if (hue >= 0 && hue <= hueTurn) return hue;
    const double h = hue;
    const double turns = hue > hueTurn ? std::ceil(h / hueTurn) - 1 : std::floor(h / hueTurn);
    return static_cast<float>(h - hueTurn * turns);
}

}  // namespace tintara::munsell
