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

}  // namespace

DisplayRgb xyzrgb(float& X, float& Y, float& Z, Condition condition, const DisplaySettings& display) {
    const ConditionData& data = conditionData(condition);
    X = static_cast<float>(static_cast<double>(X) / 100.0);
    Y = static_cast<float>(static_cast<double>(Y) / 100.0);
    Z = static_cast<float>(static_cast<double>(Z) / 100.0);
    X = scaled(X, data.kX);
    Z = scaled(Z, data.kZ);

    const Vec3 lin = apply(xyzToLinearRgb, {X, Y, Z});
    DisplayRgb out;
    out.linR = raiseNegative(lin[0], out.outOfGamut);
    out.linG = raiseNegative(lin[1], out.outOfGamut);
    out.linB = raiseNegative(lin[2], out.outOfGamut);

    out.R = encode(out.linR, display.gain[1], display.exponent[1], out.outOfGamut);
    out.G = encode(out.linG, display.gain[2], display.exponent[2], out.outOfGamut);
    out.B = encode(out.linB, display.gain[3], display.exponent[3], out.outOfGamut);

    // Black and any colour with a vanishing tristimulus value count as outside
    // the display range; a NaN working value does too.
    if (!(X > 0.0f) || !(Y > 0.0f) || !(Z > 0.0f)) {
        out.outOfGamut = true;
    }
    return out;
}

void rgbxyz(float r, float g, float b, float& X, float& Y, float& Z, Condition condition) {
    const ConditionData& data = conditionData(condition);
    const Vec3 xyz = apply(linearRgbToXyz, {r, g, b});
    X = static_cast<float>(static_cast<double>(xyz[0]) / data.kX);
    Y = xyz[1];
    Z = static_cast<float>(static_cast<double>(xyz[2]) / data.kZ);
}

}  // namespace tintara::colorimetry
