#include <algorithm>
#include <cmath>

#include "colorimetry/display.h"

namespace tintara::colorimetry {

namespace {

// Below this much grey component no black ink is used.
constexpr float undercolourThreshold = 0.2f;

void raiseNegative(float& v) {
    if (!(v >= 0.0f)) {
        v = 0.0f;
    }
}

float ink(float lin, float exponent) {
    return static_cast<float>(1.0 - std::pow(static_cast<double>(lin), static_cast<double>(exponent)));
}

float wholePercent(float v) {
    const float clamped = std::clamp(v, 0.0f, 1.0f);
    return static_cast<float>(std::floor(100.0 * static_cast<double>(clamped)));
}

}  // namespace

// Every step keeps a single-precision variable: black of r = g = b = 0 ends at
// C = M = Y = 19 rather than 20 because K holds the float nearest 0.8.
Cmyk rgbcmyk(float& r, float& g, float& b, const DisplaySettings& display) {
    raiseNegative(r);
    raiseNegative(g);
    raiseNegative(b);
    float C = ink(r, display.inkExponent[1]);
    float M = ink(g, display.inkExponent[2]);
    float Y = ink(b, display.inkExponent[3]);
    float K = std::min({1.0f, C, M, Y});
    if (K >= undercolourThreshold) {
        K = static_cast<float>(static_cast<double>(K) - static_cast<double>(undercolourThreshold));
        C = static_cast<float>(static_cast<double>(C) - static_cast<double>(K));
        M = static_cast<float>(static_cast<double>(M) - static_cast<double>(K));
        Y = static_cast<float>(static_cast<double>(Y) - static_cast<double>(K));
    } else {
        K = 0.0f;
    }
    return Cmyk{wholePercent(C), wholePercent(M), wholePercent(Y), wholePercent(K)};
}

}  // namespace tintara::colorimetry
