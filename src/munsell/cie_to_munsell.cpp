#include "munsell/cie_to_munsell.h"

#include <cmath>

#include "munsell/cell_search.h"
#include "munsell/renotation_corners.h"

namespace tintara::munsell {
namespace {

struct LevelResult {
    HueChroma hc;
    bool found = false;
};

template <class Corners>
LevelResult atLevel(const Corners& corners, float x, float y, int level) {
    const Cell cell = search::findCell(corners, x, y, level);
    return {search::refineCell(corners, x, y, level, cell), cell.h != search::notFound};
}

float blend(float a, float b, float f) { return static_cast<float>((1.0 - f) * a + static_cast<double>(f) * b); }

// Hue numbers are folded back by 100 once only: the seam rule can add 100 to a
// level hue that is already above 100 (a level that did not hold the colour).
float foldOnce(float H) { return H >= 100 ? static_cast<float>(H - 100.0) : H; }

template <class Corners>
MunsellColour locate(const Corners& corners, float X, float& Y, float Z, bool pwd) {
    MunsellColour nowhere{0, 0, 0, false, false};
    if (!std::isfinite(X) || !std::isfinite(Y) || !std::isfinite(Z)) return nowhere;
    const float V = y2val(Y, pwd);
    const double sum = static_cast<double>(X) + Y + Z;
    // V is not finite only for a Y so large that the polynomial overflows.
    if (!(sum > 0) || !std::isfinite(V)) return nowhere;
    const auto x = static_cast<float>(X / sum), y = static_cast<float>(Y / sum);

    // Value 10 or more would need level 11, which the table does not have: such
    // a colour is located on level 10 alone, keeping its computed value.
    if (V >= tableValues - 1) {
        const LevelResult top = atLevel(corners, x, y, tableValues - 1);
        return {foldOnce(top.hc.H), V, top.hc.C, top.found, top.found};
    }
    const int lower = V > 0 ? static_cast<int>(std::floor(V)) : 0;
    const auto fv = static_cast<float>(V - static_cast<double>(lower));
    const LevelResult r0 = atLevel(corners, x, y, lower);
    const LevelResult r1 = atLevel(corners, x, y, lower + 1);

    float H0 = r0.hc.H, H1 = r1.hc.H;
    // Level hues either side of the 0/100 seam are blended on the same turn.
    if (std::fabs(static_cast<double>(H0) - H1) > 20) {
        if (H0 < 50) {
            H0 = static_cast<float>(H0 + 100.0);
        } else {
            H1 = static_cast<float>(H1 + 100.0);
        }
    }
    return {foldOnce(blend(H0, H1, fv)), V, blend(r0.hc.C, r1.hc.C, fv), r0.found, r1.found};
}

}  // namespace

MunsellColour xyy2mun(float X, float& Y, float Z, const RenotationTable& table, bool pwd) {
    return locate(search::TableCorners{table}, X, Y, Z, pwd);
}

MunsellColour xyy2mun(float X, float& Y, float Z, const RenotationCorners& corners, bool pwd) {
    return locate(corners, X, Y, Z, pwd);
}

}  // namespace tintara::munsell
