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

Vec3 normalisedByY(float X, float Y, float Z) { return {ratio(X, Y), 1.0f, ratio(Z, Y)}; }

void chromaticity(float X, float Y, float Z, float& x, float& y) {
    const double sum = static_cast<double>(X) + static_cast<double>(Y) + static_cast<double>(Z);
    if (sum == 0.0) {
        x = 0.0f;
        y = 0.0f;
        return;
    }
    x = static_cast<float>(static_cast<double>(X) / sum);
    y = static_cast<float>(static_cast<double>(Y) / sum);
}

}  // namespace

void xyzconv(float X, float Y, float Z, float Xs, float Ys, float Zs, float& Xo, float& Yo, float& Zo, float Xd,
             float Yd, float Zd) {
    const Vec3 rhoS = apply(bradford, normalisedByY(Xs, Ys, Zs));
    const Vec3 rhoD = apply(bradford, normalisedByY(Xd, Yd, Zd));
    // A colour without luminance cannot be normalised by its own Y; the map is
    // linear, so it is adapted as it stands and black stays black.
    const bool normalise = Y != 0.0f;
    const Vec3 rhoC = apply(bradford, normalise ? normalisedByY(X, Y, Z) : Vec3{X, Y, Z});
    Vec3 adapted{};
    for (int k = 0; k < 3; ++k) {
        adapted[k] = static_cast<float>(static_cast<double>(rhoD[k]) / rhoS[k] * rhoC[k]);
        if (normalise) {
            adapted[k] = static_cast<float>(static_cast<double>(adapted[k]) * Y);
        }
    }
    const Vec3 out = apply(bradfordInverse, adapted);
    Xo = out[0];
    Yo = out[1];
    Zo = out[2];
}

void xyzconvert(Direction direction, float& X, float& Y, float& Z, float& x, float& y, Condition condition) {
    const ConditionData& c = conditionData(Condition::C2);
    const ConditionData& w = conditionData(condition);
    // Forward under C has no other white to go to: the colour is already there.
    if (!(direction == Direction::Forward && condition == Condition::C2)) {
        float Xo = 0.0f;
        float Yo = 0.0f;
        float Zo = 0.0f;
        if (direction == Direction::Forward) {
            xyzconv(X, Y, Z, c.whiteX, c.whiteY, c.whiteZ, Xo, Yo, Zo, w.whiteX, w.whiteY, w.whiteZ);
        } else {
            xyzconv(X, Y, Z, w.whiteX, w.whiteY, w.whiteZ, Xo, Yo, Zo, c.whiteX, c.whiteY, c.whiteZ);
        }
        X = Xo;
        Y = Yo;
        Z = Zo;
    }
    chromaticity(X, Y, Z, x, y);
}

}  // namespace tintara::colorimetry
