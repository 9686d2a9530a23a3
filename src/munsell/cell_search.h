// The cell search of the inverse conversion on one value level: which cell of
// the renotation table holds a chromaticity, and where inside that cell it
// lies. Written once for any source of corner points: the renotation table
// itself, or its float copy (RenotationCorners) when many colours are
// converted. Both give the same corners, so the same results.
#pragma once

#include <algorithm>
#include <cstdint>

#include "colorimetry/conditions.h"
#include "munsell/cell_geometry.h"
#include "munsell/renotation_table.h"

namespace tintara::munsell::search {

using geometry::Point;

// A cell of one value level: between hue indices h and h + 1 and chroma
// indices c and c + 1.
struct Cell {
    std::int16_t h = 0;  // hue index; notFound when the level holds no cell for the point
    std::int16_t c = 0;  // chroma index
};

// Hue number and chroma of a point within its cell.
struct HueChroma {
    float hue = 0;
    float chroma = 0;
};

inline constexpr int notFound = loadedHues;  // hue index reported when no cell holds the point
inline constexpr int halvings = 50;

// Corner points read straight from the table.
struct TableCorners {
    const RenotationTable& table;

    Point at(int level, int hue, int chroma) const {
        return {static_cast<float>(table.x(level, hue, chroma) / 10000.0),
                static_cast<float>(table.y(level, hue, chroma) / 10000.0)};
    }
    // Cells of the strip from hue index h to h + 1 that have all four corners,
    // counted outwards from the white.
    int stripLength(int level, int hue) const {
        int c = 0;
        while (c + 1 < tableChromas && table.x(level, hue, c + 1) != 0 && table.y(level, hue, c + 1) != 0 &&
               table.x(level, hue + 1, c + 1) != 0 && table.y(level, hue + 1, c + 1) != 0) {
            ++c;
        }
        return c;
    }
};

// Distance in x, y (perpendicular to a cell edge) within which a point outside
// every cell is taken as lying on the nearest one. A colour on a cell edge,
// computed in single precision, can land a few float steps off it: a step is
// 3e-8 for coordinates between 0.25 and 0.5, 1.2e-7 between 1 and 2 (the
// largest in the table), and a conversion rounds several times, so such a
// point is off by well under 1e-6. The table itself is given to 1e-4 and no
// cell edge in it is shorter than 1e-3, so 1e-6 is at most a thousandth of a
// cell: under 0.003 in hue or chroma, below the hundredth the notation shows.
// A colour that lies outside the data by any visible amount stays outside.
inline constexpr double edgeTolerance = 1e-6;

// Hue by hue from index 0, and within a hue strip from the white outwards; the
// first cell whose quadrilateral A B Cc D passes holds(A, B, Cc, D).
template <class Corners, class Holds>
Cell scanLevel(const Corners& corners, int level, Holds holds) {
    const Point white{colorimetry::illuminantCWhite.x, colorimetry::illuminantCWhite.y};
    for (int h = 0; h < loadedHues; ++h) {
        const int length = corners.stripLength(level, h);
        Point a = white, b = white;
        for (int c = 0; c < length; ++c) {
            const Point d = corners.at(level, h, c + 1), cc = corners.at(level, h + 1, c + 1);
            if (holds(a, b, cc, d)) {
                return {static_cast<std::int16_t>(h), static_cast<std::int16_t>(c)};
            }
            a = d;
            b = cc;
        }
    }
    return {notFound, 0};
}

// The cell of the level that holds (x, y) (findcell). A point on a shared edge
// belongs to the cell met first. A point on an edge where the data end (no
// cell across it) may test just outside by rounding; only when no cell holds
// the point exactly is the level scanned again with the tolerance, so every
// point found exactly keeps its cell. {notFound, 0} when no cell holds it.
template <class Corners>
Cell findCellHolding(const Corners& corners, float x, float y, int level) {
    if (level < 0 || level >= tableValues) return {notFound, 0};
    const Cell exact = scanLevel(corners, level, [x, y](Point a, Point b, Point cc, Point d) {
        return geometry::insideClockwiseQuad(x, y, a, b, cc, d);
    });
    if (exact.h != notFound) return exact;
    return scanLevel(corners, level, [x, y](Point a, Point b, Point cc, Point d) {
        return geometry::nearClockwiseQuad(x, y, a, b, cc, d, edgeTolerance);
    });
}

struct Quad {
    Point a, b, cc, d;  // inner lower hue, inner upper hue, outer upper hue, outer lower hue
};

template <class Corners>
Quad readCell(const Corners& corners, int level, int h, int c) {
    return {corners.at(level, h, c), corners.at(level, h + 1, c), corners.at(level, h + 1, c + 1),
            corners.at(level, h, c + 1)};
}

// A point on the line between the halves can test outside both, since the
// midpoints are rounded to float; it then stays on its side of that line
// instead of drifting to the far half. Interior points are unaffected.
inline bool inLowerHueHalf(const Quad& q, Point m1, Point m2, float x, float y) {
    if (geometry::insideClockwiseQuad(x, y, q.a, m1, m2, q.d)) return true;
    if (geometry::insideClockwiseQuad(x, y, m1, q.b, q.cc, m2)) return false;
    return geometry::edgeValue(m1, m2, x, y) <= 0;
}

inline bool inInnerChromaHalf(const Quad& q, Point p, Point r, float x, float y) {
    if (geometry::insideClockwiseQuad(x, y, q.a, q.b, r, p)) return true;
    if (geometry::insideClockwiseQuad(x, y, p, r, q.cc, q.d)) return false;
    return geometry::edgeValue(p, r, x, y) >= 0;
}

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }

// Once a halving leaves the quadrilateral as it was, every further step would
// repeat it with the same midpoints, so stopping there gives the result of all
// 50 steps. In single precision that happens after about 25 steps.
inline bool replace(Point& corner1, Point by1, Point& corner2, Point by2) {
    const bool same = corner1 == by1 && corner2 == by2;
    corner1 = by1;
    corner2 = by2;
    return same;
}

// The last midpoint of the outer edge after halving in hue.
inline Point halveHue(Quad q, float x, float y) {
    Point m2;
    for (int i = 0; i < halvings; ++i) {
        const Point m1 = geometry::midpoint(q.a, q.b);
        m2 = geometry::midpoint(q.d, q.cc);
        const bool settled = inLowerHueHalf(q, m1, m2, x, y) ? replace(q.b, m1, q.cc, m2) : replace(q.a, m1, q.d, m2);
        if (settled) break;
    }
    return m2;
}

// The last midpoint of the lower-hue radial edge after halving in chroma.
inline Point halveChroma(Quad q, float x, float y) {
    Point p;
    for (int i = 0; i < halvings; ++i) {
        p = geometry::midpoint(q.a, q.d);
        const Point r = geometry::midpoint(q.b, q.cc);
        const bool settled = inInnerChromaHalf(q, p, r, x, y) ? replace(q.d, p, q.cc, r) : replace(q.a, p, q.b, r);
        if (settled) break;
    }
    return p;
}

inline float fraction(float part, float whole) {
    return whole > 0 ? static_cast<float>(static_cast<double>(part) / whole) : 0.0f;
}

// Where (x, y) lies in the cell (refinecell): 50 halvings in hue and 50 in
// chroma, then the hue fraction along the outer edge and the chroma fraction
// along the lower-hue radial edge. Indices are kept inside the array: hue index
// 40 (the not-found cell) reaches the empty index 41, chroma at most index 30.
template <class Corners>
HueChroma positionInCell(const Corners& corners, float x, float y, int level, Cell cell) {
    level = std::clamp(level, 0, tableValues - 1);
    const int h = std::clamp<int>(cell.h, 0, tableHues - 2);
    const int c = std::clamp<int>(cell.c, 0, tableChromas - 2);
    const Quad q = readCell(corners, level, h, c);
    const Point m2 = halveHue(q, x, y);
    const Point p = halveChroma(q, x, y);
    const float fh = fraction(geometry::distance(q.d, m2), geometry::distance(q.cc, q.d));
    const float fc = fraction(geometry::distance(q.a, p), geometry::distance(q.a, q.d));
    return {static_cast<float>((h + static_cast<double>(fh)) * 2.5),
            static_cast<float>((c + static_cast<double>(fc)) * 2)};
}

}  // namespace tintara::munsell::search
