#include "colorimetry/adaptation.h"

#include "colorimetry/matrix3.h"

namespace tintara::colorimetry {

namespace {

// Bradford cone response matrix and its inverse. The inverse is kept as these
// figures rather than computed, so that adapted values are reproducible.
constexpr Mat3 bradford{{
    {0.8951f, 0.2664f, -0.1614f},
    {-0.7502f, 1.7135f, 0.0367f},
    {0.0389f, -0.0685f, 1.0296f},
}};

constexpr Mat3 bradfordInverse{{
    {0.9869929f, -0.147054256f, 0.15996265f},
    {0.43230528f, 0.51836026f, 0.049291227f},
    {-0.008528665f, 0.04004282f, 0.96848667f},
}};

float ratio(float num, float den) { return static_cast<float>(static_cast<double>(num) / static_cast<double>(den)); }

Vec3 normalisedByY(Xyz c) { return {ratio(c.X, c.Y), 1.0f, ratio(c.Z, c.Y)}; }

}  // namespace

Xyz adapt(Xyz colour, Xyz fromWhite, Xyz toWhite) {
    const Vec3 rhoS = apply(bradford, normalisedByY(fromWhite));
    const Vec3 rhoD = apply(bradford, normalisedByY(toWhite));
    const bool normalise = colour.Y != 0.0f;
    const Vec3 rhoC = apply(bradford, normalise ? normalisedByY(colour) : Vec3{colour.X, colour.Y, colour.Z});
    Vec3 adapted{};
    for (int k = 0; k < 3; ++k) {
        adapted[k] = static_cast<float>(static_cast<double>(rhoD[k]) / rhoS[k] * rhoC[k]);
        if (normalise) adapted[k] = static_cast<float>(static_cast<double>(adapted[k]) * colour.Y);
    }
    const Vec3 out = apply(bradfordInverse, adapted);
    return {out[0], out[1], out[2]};
}

Xyz adaptFromC(Xyz colour, Condition to) {
    if (to == Condition::C2) return colour;
    return adapt(colour, whiteOf(Condition::C2), whiteOf(to));
}

Xyz adaptToC(Xyz colour, Condition from) {
    if (from == Condition::C2) return colour;
    return adapt(colour, whiteOf(from), whiteOf(Condition::C2));
}

}  // namespace tintara::colorimetry
