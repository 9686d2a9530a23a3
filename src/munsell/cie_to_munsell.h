// CIE to Munsell: value by Newton inversion of the value function, hue and
// chroma by a search of the renotation table's cells at the two value levels
// around the colour, blended by the fractional value.
#pragma once

#include <optional>

#include "colorimetry/xyz.h"
#include "munsell/munsell_colour.h"
#include "munsell/renotation_table.h"

namespace tintara::munsell {

class RenotationCorners;

struct MunsellMatch {
    MunsellColour colour;
    // Whether the cell scan of each value level around the colour found a cell
    // holding it.
    bool lowerLevelHeld = true, upperLevelHeld = true;

    // Neither level holds the colour: it lies outside the renotation data, and
    // its hue and chroma are only the numbers of the not-found cell.
    bool outsideData() const { return !lowerLevelHeld && !upperLevelHeld; }
};

// The Munsell colour of X, Y, Z under illuminant C (xyy2mun). A negative Y is
// taken as 0. A colour of value 10 or more is located on the value-10 level
// alone, keeping its computed value. When both levels hold the colour, their
// hues and chromas are blended by the fractional value, the hues on the same
// turn of the circle when they lie more than 20 apart (100 is added to the one
// below 50, or else to the other), and the blend is folded back once. When
// only one level holds it, hue and chroma are that level's. When neither does,
// the two levels' not-found cells (hue index 40, chroma index 0: a hue of 100
// to 102.5 and a chroma of 0 to 2) are blended the same way, so that callers
// still receive numbers; outsideData() tells them so. Nothing when X + Y + Z
// is not positive or a component, or the value, is not finite.
std::optional<MunsellMatch> xyzToMunsell(const RenotationCorners& corners, colorimetry::Xyz colour, bool pwd);

// The same search read straight from the table; the results are those of the
// corners overload, which is faster when many colours are converted.
std::optional<MunsellMatch> xyzToMunsell(const RenotationTable& table, colorimetry::Xyz colour, bool pwd);

}  // namespace tintara::munsell
