#include "munsell/munsell_to_cie.h"

#include <cmath>

#include "colorimetry/adaptation.h"
#include "munsell/value_function.h"

namespace tintara::munsell {
namespace {

using colorimetry::Chromaticity;

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

// Chromaticity at (hue, value, chroma) table coordinates; nothing when a corner
// of the cell has no sample.
std::optional<Chromaticity> interpolate(const RenotationTable& table, float h, float v, float c) {
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
                if (k[dv][dc][dh].x == 0) return std::nullopt;
            }
        }
    }
    Chromaticity alongChroma[2];
    for (int dv = 0; dv < 2; ++dv) {
        const Chromaticity inner = lerp(k[dv][0][0], k[dv][0][1], fh);
        const Chromaticity outer = lerp(k[dv][1][0], k[dv][1][1], fh);
        alongChroma[dv] = lerp(inner, outer, fc);
    }
    return lerp(alongChroma[0], alongChroma[1], fv);
}

colorimetry::Xyz unitLuminance(Chromaticity xy) {
    return {static_cast<float>(static_cast<double>(xy.x) / xy.y), 1.0f, static_cast<float>((1.0 - xy.x - xy.y) / xy.y)};
}

}  // namespace

std::optional<colorimetry::XyzXy> munsellToXyz(const RenotationTable& table, MunsellColour colour,
                                               colorimetry::Condition condition, bool pwd) {
    const float H = colour.hue, V = valueConverted(colour.value), C = colour.chroma;
    // Also false for NaN, which compares false with everything.
    if (!withinTable(H, V, C)) return std::nullopt;
    const auto xy = interpolate(table, static_cast<float>(H / 2.5), V, C / 2.0f);
    // Only a table holding y = 0 samples could give y = 0; X and Z would be infinite.
    if (!xy || xy->y == 0) return std::nullopt;

    const float Y = yFromValue(V, pwd);
    const auto X = static_cast<float>(static_cast<double>(Y) * xy->x / xy->y);
    const auto Z = static_cast<float>(static_cast<double>(Y) / xy->y - X - Y);
    colorimetry::XyzXy out{{X, Y, Z}, *xy};
    if (condition != colorimetry::Condition::C2) {
        out.xyz = colorimetry::adaptFromC(out.xyz, condition);
        // Value 0 is black, which has no chromaticity of its own: it is given
        // the adapted chromaticity of the same colour at any luminance.
        const colorimetry::Xyz chromatic = Y > 0 ? out.xyz : colorimetry::adaptFromC(unitLuminance(*xy), condition);
        out.xy = colorimetry::chromaticityOf(chromatic).value_or(Chromaticity{});
    }
    return out;
}

}  // namespace tintara::munsell
