#include "munsell/munsell_to_cie.h"

#include <cmath>

#include "colorimetry/adaptation.h"

namespace tintara::munsell {
namespace {

struct Chromaticity {
    float x = 0, y = 0;
};

float lerp(float a, float b, float f) { return static_cast<float>(a + (static_cast<double>(b) - a) * f); }

Chromaticity lerp(Chromaticity a, Chromaticity b, float f) { return {lerp(a.x, b.x, f), lerp(a.y, b.y, f)}; }

Chromaticity corner(const RenotationTable& table, int v, int h, int c) {
    return {static_cast<float>(table.x(v, h, c) / 10000.0), static_cast<float>(table.y(v, h, c) / 10000.0)};
}

// Whether the table coordinates index a cell inside the array; hue index 40
// (hue number 100) is allowed to reach the empty index 41, which reports the
// colour as absent.
bool withinTable(float H, float V, float C) {
    return H >= 0 && H < 100 && V >= 0 && C >= 0 && C < 2.0f * (tableChromas - 1);
}

}  // namespace

float val2y(float V, bool pwd) {
    const double v = V;
    double Y =
        1.2219 * v - 0.23111 * v * v + 0.23951 * v * v * v - 0.021009 * v * v * v * v + 0.0008404 * v * v * v * v * v;
    if (pwd) Y *= perfectWhiteFactor;
    return static_cast<float>(Y);
}

bool mun2xyz(const RenotationTable& table, float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y,
             colorimetry::Condition condition, bool pwd) {
    X = Y = Z = 0;
    if (V > highestValue) V = highestValue;
    // Also false for NaN, which compares false with everything.
    if (!withinTable(H, V, C)) return false;

    const float h = static_cast<float>(H / 2.5), c = C / 2.0f, v = V;
    const int hi = static_cast<int>(std::floor(h));
    const int vi = static_cast<int>(std::floor(v));
    const int ci = static_cast<int>(std::floor(c));
    const float fh = h - hi, fv = v - vi, fc = c - ci;

    // k[value step][chroma step][hue step]
    Chromaticity k[2][2][2];
    for (int dv = 0; dv < 2; ++dv) {
        for (int dc = 0; dc < 2; ++dc) {
            for (int dh = 0; dh < 2; ++dh) {
                k[dv][dc][dh] = corner(table, vi + dv, hi + dh, ci + dc);
                if (k[dv][dc][dh].x == 0) return false;
            }
        }
    }
    Chromaticity alongChroma[2];
    for (int dv = 0; dv < 2; ++dv) {
        const Chromaticity inner = lerp(k[dv][0][0], k[dv][0][1], fh);
        const Chromaticity outer = lerp(k[dv][1][0], k[dv][1][1], fh);
        alongChroma[dv] = lerp(inner, outer, fc);
    }
    const Chromaticity xy = lerp(alongChroma[0], alongChroma[1], fv);
    // Only a table holding y = 0 samples could give this; X and Z would be infinite.
    if (xy.y == 0) return false;
    x = xy.x;
    y = xy.y;

    Y = val2y(V, pwd);
    X = static_cast<float>(static_cast<double>(Y) * x / y);
    Z = static_cast<float>(static_cast<double>(Y) / y - X - Y);
    if (condition != colorimetry::Condition::C2) {
        colorimetry::xyzconvert(colorimetry::Direction::Forward, X, Y, Z, x, y, condition);
    }
    return true;
}

}  // namespace tintara::munsell
