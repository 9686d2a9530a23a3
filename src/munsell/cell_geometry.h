// Plane geometry of the renotation cells in the x, y chromaticity diagram,
// for the cell search of the inverse conversion. Every quantity is single precision; sums and products are
// formed in double and stored back, as throughout the Munsell engine.
#pragma once

#include <cmath>

namespace tintara::munsell::geometry {

struct Point {
    float x = 0, y = 0;
};

inline Point midpoint(Point a, Point b) {
    return {static_cast<float>((static_cast<double>(a.x) + b.x) / 2),
            static_cast<float>((static_cast<double>(a.y) + b.y) / 2)};
}

inline float distance(Point a, Point b) {
    const double dx = static_cast<double>(a.x) - b.x, dy = static_cast<double>(a.y) - b.y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// Positive when (x, y) lies to the left of the directed edge p -> q. The value
// is kept in double: at these magnitudes its single-precision rounding cannot
// underflow, so it has the same sign, and comparing it with 0 is exact.
inline double edgeValue(Point p, Point q, float x, float y) {
    return (static_cast<double>(p.y) - q.y) * (static_cast<double>(x) - p.x) +
           (static_cast<double>(q.x) - p.x) * (static_cast<double>(y) - p.y);
}

// Right of or on every edge of the clockwise quadrilateral p1 p2 p3 p4; most
// cells of a scan are rejected by the first or second edge.
inline bool insideClockwiseQuad(float x, float y, Point p1, Point p2, Point p3, Point p4) {
    return edgeValue(p1, p2, x, y) <= 0 && edgeValue(p2, p3, x, y) <= 0 && edgeValue(p3, p4, x, y) <= 0 &&
           edgeValue(p4, p1, x, y) <= 0;
}

// Whether (x, y) lies within distance tolerance outside the edge p -> q: the
// edge value is the edge length times the signed distance from its line. An
// edge of no length (the white at the inner end of a first cell) holds every
// point, as in insideClockwiseQuad.
inline bool nearEdge(Point p, Point q, float x, float y, double tolerance) {
    const double s = edgeValue(p, q, x, y);
    if (s <= 0) return true;
    const double dx = static_cast<double>(q.x) - p.x, dy = static_cast<double>(q.y) - p.y;
    return s <= tolerance * std::sqrt(dx * dx + dy * dy);
}

// insideClockwiseQuad with every edge moved outwards by tolerance.
inline bool nearClockwiseQuad(float x, float y, Point p1, Point p2, Point p3, Point p4, double tolerance) {
    return nearEdge(p1, p2, x, y, tolerance) && nearEdge(p2, p3, x, y, tolerance) &&
           nearEdge(p3, p4, x, y, tolerance) && nearEdge(p4, p1, x, y, tolerance);
}

}  // namespace tintara::munsell::geometry
