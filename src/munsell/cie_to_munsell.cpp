#include "munsell/cie_to_munsell.h"

#include <cmath>

#include "munsell/cell_search.h"
#include "munsell/hue_circle.h"
#include "munsell/renotation_corners.h"
#include "munsell/value_function.h"

namespace tintara::munsell {
namespace {

struct LevelResult {
    search::HueChroma position;
    bool held = false;
};

template <class Corners>
LevelResult atLevel(const Corners& corners, float x, float y, int level) {
    const search::Cell cell = search::findCellHolding(corners, x, y, level);
    return {search::positionInCell(corners, x, y, level, cell), cell.h != search::notFound};
}

float blend(float a, float b, float f) { return static_cast<float>((1.0 - f) * a + static_cast<double>(f) * b); }

// Level hues further apart than this straddle the R/RP seam.
constexpr double seamGap = 20;
constexpr float seamSide = 50;

template <class Corners>
std::optional<MunsellMatch> locate(const Corners& corners, colorimetry::Xyz colour, bool pwd) {
    if (!std::isfinite(colour.X) || !std::isfinite(colour.Y) || !std::isfinite(colour.Z)) return std::nullopt;
    const float X = colour.X, Y = colour.Y < 0 ? 0.0f : colour.Y, Z = colour.Z;
    const float V = valueFromY(Y, pwd);
    const double sum = static_cast<double>(X) + Y + Z;
    // V is not finite only for a Y so large that the polynomial overflows.
    if (!(sum > 0) || !std::isfinite(V)) return std::nullopt;
    const auto x = static_cast<float>(X / sum), y = static_cast<float>(Y / sum);

    // Value 10 or more would need level 11, which the table does not have.
    if (V >= tableValues - 1) {
        const LevelResult top = atLevel(corners, x, y, tableValues - 1);
        return MunsellMatch{{foldedOnce(top.position.hue), V, top.position.chroma}, top.held, top.held};
    }
    const int lower = V > 0 ? static_cast<int>(std::floor(V)) : 0;
    const auto fv = static_cast<float>(V - static_cast<double>(lower));
    const LevelResult r0 = atLevel(corners, x, y, lower);
    const LevelResult r1 = atLevel(corners, x, y, lower + 1);
    // A level that holds no cell for the colour says nothing about it: the
    // other level alone gives hue and chroma. (Blended in, its not-found cell
    // pulled hue and chroma of colours near the edge of the data by up to 40
    // and 17.)
    if (r0.held != r1.held) {
        const search::HueChroma only = r0.held ? r0.position : r1.position;
        return MunsellMatch{{foldedOnce(only.hue), V, only.chroma}, r0.held, r1.held};
    }

    float H0 = r0.position.hue, H1 = r1.position.hue;
    if (std::fabs(static_cast<double>(H0) - H1) > seamGap) {
        if (H0 < seamSide) {
            H0 = static_cast<float>(H0 + static_cast<double>(hueTurn));
        } else {
            H1 = static_cast<float>(H1 + static_cast<double>(hueTurn));
        }
    }
    return MunsellMatch{
        {foldedOnce(blend(H0, H1, fv)), V, blend(r0.position.chroma, r1.position.chroma, fv)}, r0.held, r1.held};
}

}  // namespace

std::optional<MunsellMatch> xyzToMunsell(const RenotationCorners& corners, colorimetry::Xyz colour, bool pwd) {
    return locate(corners, colour, pwd);
}

std::optional<MunsellMatch> xyzToMunsell(const RenotationTable& table, colorimetry::Xyz colour, bool pwd) {
    return locate(search::TableCorners{table}, colour, pwd);
}

}  // namespace tintara::munsell
