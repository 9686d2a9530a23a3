#include "colorimetry/cmyk.h"

#include <algorithm>
#include <cmath>

namespace tintara::colorimetry {

namespace {

// Below this much grey component no black ink is used.
constexpr float undercolourThreshold = 0.2f;

float raisedToZero(float v) { return v >= 0.0f ? v : 0.0f; }

float ink(float lin, float exponent) {
    return static_cast<float>(1.0 - std::pow(static_cast<double>(lin), static_cast<double>(exponent)));
}

float less(float a, float b) { return static_cast<float>(static_cast<double>(a) - static_cast<double>(b)); }

float wholePercent(float v) {
    const float clamped = std::clamp(v, 0.0f, 1.0f);
    return static_cast<float>(std::floor(100.0 * static_cast<double>(clamped)));
}

float unitClamped(float v) { return std::clamp(v, 0.0f, 1.0f); }

float linearFromInk(float inkFraction, float black, float inkExponent) {
    const float base = unitClamped(static_cast<float>((1.0 - inkFraction) - black));
    return unitClamped(
        static_cast<float>(std::pow(static_cast<double>(base), static_cast<double>(1.0f / inkExponent))));
}

// 255 * gain * lin ^ exponent taken to the nearest whole number and limited
// to 0..255; `clamped` is set when it had to be.
std::int16_t roundedComponent(float lin, float gain, float exponent, bool& clamped) {
    const double v = std::floor(
        255.0 * static_cast<double>(gain) * std::pow(static_cast<double>(lin), static_cast<double>(exponent)) + 0.5);
    if (v > 255 || v < 0) clamped = true;
    return static_cast<std::int16_t>(std::clamp(v, 0.0, 255.0));
}

}  // namespace

LinearRgb withoutNegatives(LinearRgb rgb) { return {raisedToZero(rgb.r), raisedToZero(rgb.g), raisedToZero(rgb.b)}; }

// Every step keeps a single-precision variable: black of r = g = b = 0 ends at
// C = M = Y = 19 rather than 20 because K holds the float nearest 0.8.
Cmyk cmykFromLinearRgb(LinearRgb rgb, const DisplaySettings& display) {
    const LinearRgb lin = withoutNegatives(rgb);
    float C = ink(lin.r, display.inkExponent[1]);
    float M = ink(lin.g, display.inkExponent[2]);
    float Y = ink(lin.b, display.inkExponent[3]);
    float K = std::min({1.0f, C, M, Y});
    if (K >= undercolourThreshold) {
        K = less(K, undercolourThreshold);
        C = less(C, K);
        M = less(M, K);
        Y = less(Y, K);
    } else {
        K = 0.0f;
    }
    return Cmyk{wholePercent(C), wholePercent(M), wholePercent(Y), wholePercent(K)};
}

LinearRgb linearFromInks(InkFractions inks, const DisplaySettings& display) {
    return {linearFromInk(inks.c, inks.k, display.inkExponent[1]),
            linearFromInk(inks.m, inks.k, display.inkExponent[2]),
            linearFromInk(inks.y, inks.k, display.inkExponent[3])};
}

RoundedRgb roundedComponents(LinearRgb rgb, const DisplaySettings& display) {
    RoundedRgb out;
    out.R = roundedComponent(rgb.r, display.gain[1], display.exponent[1], out.clamped);
    out.G = roundedComponent(rgb.g, display.gain[2], display.exponent[2], out.clamped);
    out.B = roundedComponent(rgb.b, display.gain[3], display.exponent[3], out.clamped);
    return out;
}

}  // namespace tintara::colorimetry
