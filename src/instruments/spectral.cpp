#include "instruments/spectral.h"

#include <cstddef>

namespace tintara::instruments {

namespace {

// Illuminant C / 2 degree weights at 360..750 nm in 10 nm steps (X, Y, Z),
// normalised so that the perfect white has Y = 100. The Z column adds up to
// 118.230, two thousandths short of the white point kept at index 0.
struct WeightRow {
    float X, Y, Z;
};

constexpr WeightRow whitePoint{98.074f, 100.000f, 118.232f};

constexpr WeightRow weightTable[40] = {
    {0.000f, 0.000f, 0.000f},   // 360
    {0.001f, 0.000f, 0.004f},   // 370
    {0.004f, 0.000f, 0.017f},   // 380
    {0.018f, 0.001f, 0.084f},   // 390
    {0.076f, 0.002f, 0.358f},   // 400
    {0.325f, 0.009f, 1.547f},   // 410
    {1.292f, 0.038f, 6.207f},   // 420
    {2.968f, 0.123f, 14.496f},  // 430
    {3.959f, 0.261f, 19.860f},  // 440
    {3.931f, 0.443f, 20.728f},  // 450
    {3.360f, 0.692f, 19.286f},  // 460
    {2.283f, 1.061f, 15.022f},  // 470
    {1.116f, 1.612f, 9.479f},   // 480
    {0.363f, 2.358f, 5.286f},   // 490
    {0.048f, 3.414f, 2.868f},   // 500
    {0.092f, 4.842f, 1.512f},   // 510
    {0.578f, 6.449f, 0.720f},   // 520
    {1.519f, 7.936f, 0.381f},   // 530
    {2.786f, 9.145f, 0.195f},   // 540
    {4.285f, 9.831f, 0.086f},   // 550
    {5.877f, 9.834f, 0.038f},   // 560
    {7.323f, 9.148f, 0.020f},   // 570
    {8.414f, 7.990f, 0.015f},   // 580
    {8.985f, 6.629f, 0.010f},   // 590
    {8.958f, 5.321f, 0.007f},   // 600
    {8.324f, 4.177f, 0.003f},   // 610
    {7.055f, 3.146f, 0.001f},   // 620
    {5.327f, 2.196f, 0.000f},   // 630
    {3.692f, 1.442f, 0.000f},   // 640
    {2.352f, 0.887f, 0.000f},   // 650
    {1.360f, 0.503f, 0.000f},   // 660
    {0.713f, 0.261f, 0.000f},   // 670
    {0.364f, 0.132f, 0.000f},   // 680
    {0.172f, 0.062f, 0.000f},   // 690
    {0.080f, 0.029f, 0.000f},   // 700
    {0.039f, 0.014f, 0.000f},   // 710
    {0.019f, 0.007f, 0.000f},   // 720
    {0.009f, 0.003f, 0.000f},   // 730
    {0.004f, 0.001f, 0.000f},   // 740
    {0.003f, 0.001f, 0.000f},   // 750
};

// One step of a single-precision running sum: the product and the sum are
// formed in double, the total is kept as float.
float accumulate(float total, float reflectance, float weight) {
    return static_cast<float>(static_cast<double>(total) +
                              static_cast<double>(reflectance) * static_cast<double>(weight));
}

float percentToScale(float total) { return static_cast<float>(static_cast<double>(total) / 100.0); }

}  // namespace

Weights illuminantCWeights() {
    Weights w;
    w.X[0] = whitePoint.X;
    w.Y[0] = whitePoint.Y;
    w.Z[0] = whitePoint.Z;
    for (std::size_t i = 1; i <= 40; ++i) {
        w.X[i] = weightTable[i - 1].X;
        w.Y[i] = weightTable[i - 1].Y;
        w.Z[i] = weightTable[i - 1].Z;
    }
    return w;
}

colorimetry::Xyz tristimulusOf(const Reflectance& refl, const Weights& weights) {
    colorimetry::Xyz t;
    for (std::size_t i = 1; i <= 40; ++i) {
        t.X = accumulate(t.X, refl[i], weights.X[i]);
        t.Y = accumulate(t.Y, refl[i], weights.Y[i]);
        t.Z = accumulate(t.Z, refl[i], weights.Z[i]);
    }
    t.X = percentToScale(t.X);
    t.Y = percentToScale(t.Y);
    t.Z = percentToScale(t.Z);
    return t;
}

}  // namespace tintara::instruments
