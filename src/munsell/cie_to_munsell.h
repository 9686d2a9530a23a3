// CIE to Munsell: value by Newton inversion of the value polynomial, hue and
// chroma by a search of the renotation table cells.
#pragma once

#include <cstdint>

#include "munsell/renotation_table.h"

namespace tintara::munsell {

// Munsell value of luminance Y; a negative Y is raised to 0 in the caller's
// variable.
float y2val(float& Y, bool pwd);

// Whether (x, y) lies to the right of or on every edge of the clockwise
// quadrilateral P1 P2 P3 P4.
bool inquad(float x, float y, float p1x, float p1y, float p2x, float p2y, float p3x, float p3y, float p4x, float p4y);

struct Cell {
    std::int16_t h = 0;  // hue index; 40 when the level holds no cell for the point
    std::int16_t c = 0;  // chroma index
};

// The first cell of a value level, scanning hue by hue from index 0 and within a
// hue from the white outwards, whose quadrilateral holds (x, y). When none does,
// the first that holds it within 1e-6 of its edges: a colour on an edge where
// the data end, rounded just outside.
Cell findcell(const RenotationTable& table, float x, float y, int level);

struct HueChroma {
    float H = 0;  // hue number
    float C = 0;  // chroma
};

// Position of (x, y) inside the cell by 50 halvings in hue and 50 in chroma.
HueChroma refinecell(const RenotationTable& table, float x, float y, int level, Cell cell);

struct MunsellColour {
    float H = 0, V = 0, C = 0;
    bool lowerFound = true, upperFound = true;  // whether each value level held the point
};

// Munsell hue number, value and chroma of X, Y, Z under illuminant C; X + Y + Z
// must be positive. A negative Y is raised to 0 in the caller's variable.
// A colour of value 10 or more is located on the value-10 level alone.
// X + Y + Z not positive, or a component or the value not finite, gives
// H = V = C = 0 with neither level found.
MunsellColour xyy2mun(float X, float& Y, float Z, const RenotationTable& table, bool pwd);

class RenotationCorners;

// The same conversion on the float corners of a table (renotation_corners.h),
// for converting many colours; the results are those of the table overload.
MunsellColour xyy2mun(float X, float& Y, float Z, const RenotationCorners& corners, bool pwd);

}  // namespace tintara::munsell
