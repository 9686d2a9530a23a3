#include "colorimetry/display.h"

#include <cmath>

#include "colorimetry/display_matrices.h"

namespace tintara::colorimetry {

namespace {

// A negative linear value cannot be shown; NaN is treated the same way so that
// nothing undefined reaches the power law.
float raiseNegative(float v, bool& outOfGamut) {
    if (!(v >= 0.0f)) {
        outOfGamut = true;
        return 0.0f;
    }
    return v;
}

// floor(255 * gain * lin^exponent), formed in double and clamped to 0..255
// before it is narrowed, so that a colour far above white cannot overflow the
// 16-bit component.
std::int16_t encode(float lin, float gain, float exponent, bool& outOfGamut) {
    const double value = std::floor(255.0 * static_cast<double>(gain) *
                                    std::pow(static_cast<double>(lin), static_cast<double>(exponent)));
    if (std::isnan(value)) {
        outOfGamut = true;
        return 0;
    }
    if (value > 255.0) {
        outOfGamut = true;
        return 255;
    }
    if (value < 0.0) {
        outOfGamut = true;
        return 0;
    }
    return static_cast<std::int16_t>(value);
}

float scaled(float v, double factor) { return static_cast<float>(static_cast<double>(v) * factor); }
float hundredth(float v) { return static_cast<float>(static_cast<double>(v) / 100.0); }

}  // namespace

Xyz displayWorkingXyz(Xyz colour, Condition condition) {
    const ConditionData& data = conditionData(condition);
    return {scaled(hundredth(colour.X), data.kX), hundredth(colour.Y), scaled(hundredth(colour.Z), data.kZ)};
}

LinearRgb linearRgbFromXyz(Xyz colour, Condition condition) {
    const Xyz w = displayWorkingXyz(colour, condition);
    const Vec3 lin = apply(xyzToLinearRgb, {w.X, w.Y, w.Z});
    return {lin[0], lin[1], lin[2]};
}

DisplayRgb displayRgbFromXyz(Xyz colour, Condition condition, const DisplaySettings& display) {
    const Xyz w = displayWorkingXyz(colour, condition);
    const LinearRgb lin = linearRgbFromXyz(colour, condition);
    DisplayRgb out;
    out.linear.r = raiseNegative(lin.r, out.outOfGamut);
    out.linear.g = raiseNegative(lin.g, out.outOfGamut);
    out.linear.b = raiseNegative(lin.b, out.outOfGamut);

    out.R = encode(out.linear.r, display.gain[1], display.exponent[1], out.outOfGamut);
    out.G = encode(out.linear.g, display.gain[2], display.exponent[2], out.outOfGamut);
    out.B = encode(out.linear.b, display.gain[3], display.exponent[3], out.outOfGamut);

    // Black and any colour with a vanishing tristimulus value count as outside
    // the display range; a NaN working value does too.
    if (!(w.X > 0.0f) || !(w.Y > 0.0f) || !(w.Z > 0.0f)) out.outOfGamut = true;
    return out;
}

Xyz xyzFromLinearRgb(LinearRgb rgb, Condition condition) {
    const ConditionData& data = conditionData(condition);
    const Vec3 xyz = apply(linearRgbToXyz, {rgb.r, rgb.g, rgb.b});
    return {static_cast<float>(static_cast<double>(xyz[0]) / data.kX), xyz[1],
            static_cast<float>(static_cast<double>(xyz[2]) / data.kZ)};
}

float linearFromComponent(int component, float gain, float exponent) {
    // Each step is kept in single precision.
    const float base = static_cast<float>(component) / gain / 255.0f;
    return static_cast<float>(std::pow(static_cast<double>(base), static_cast<double>(1.0f / exponent)));
}

LinearRgb linearFromComponents(int R, int G, int B, const DisplaySettings& display) {
    return {linearFromComponent(R, display.gain[1], display.exponent[1]),
            linearFromComponent(G, display.gain[2], display.exponent[2]),
            linearFromComponent(B, display.gain[3], display.exponent[3])};
}

}  // namespace tintara::colorimetry
