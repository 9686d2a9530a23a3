// A Munsell colour as numbers: hue number, value and chroma.
#pragma once

namespace tintara::munsell {

struct MunsellColour {
    float hue = 0;     // hue number on the 0..100 circle: 10 k + step for family k (R = 0 ... RP = 9)
    float value = 0;   // Munsell value, 0 (black) to 10 (white)
    float chroma = 0;  // 0 for a neutral; the renotation data reach 32
};

}  // namespace tintara::munsell
