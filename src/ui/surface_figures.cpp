// Dots, lines and ellipses: the pixel rules are stated in surface.h.
#include <algorithm>
#include <array>
#include <cmath>

#include "ui/surface.h"

namespace tintara::ui {

namespace {

// The widest pen: wider ones draw as this (the widest the windows ever ask for
// is 22).
constexpr int widestPen = 32767;
// Line ends farther than this from the origin, in pixels, are first moved
// along the line to this distance, so that the whole-number arithmetic of the
// line rule cannot overflow; nothing visible changes.
constexpr double farthest = double(1 << 24);

int penOf(int width) { return std::clamp(width, 1, widestPen); }

long long isqrt(long long v) {
    long long s = (long long)std::sqrt(double(v));
    while (s * s > v) --s;
    while ((s + 1) * (s + 1) <= v) ++s;
    return s;
}

// Row r of a dot of width w lights columns first..last of its box: those with
// |2c + 1 - w| <= s, where s*s is the largest square <= w*w - (2r + 1 - w)^2
// (the inscribed-circle test multiplied by 4, exact in whole numbers).
struct Run {
    int first, last;
};
Run dotRow(int w, int r) {
    const long long a = 2LL * r + 1 - w;
    const long long s = isqrt((long long)w * w - a * a);
    return {int((w - s) / 2), int((w - 1 + s) / 2)};
}

// Widths up to this many pixels have their rows worked out once.
constexpr int tabulatedWidths = 64;
struct DotShapes {
    std::array<std::array<Run, tabulatedWidths + 1>, tabulatedWidths + 1> rows{};
    DotShapes() {
        for (int w = 1; w <= tabulatedWidths; ++w)
            for (int r = 0; r < w; ++r) rows[w][r] = dotRow(w, r);
    }
};
const DotShapes& dotShapes() {
    static const DotShapes shapes;
    return shapes;
}

// A double as a pixel index, held inside [lo, hi] so that it converts safely.
long long clampedFloor(double v, long long lo, long long hi) {
    if (!(v >= double(lo))) return lo;  // also NaN
    if (v > double(hi)) return hi;
    return (long long)std::floor(v);
}

bool finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Cuts the segment to the square |x|, |y| <= limit (Liang and Barsky); false
// when it misses the square.
bool cutToSquare(double& x0, double& y0, double& x1, double& y1, double limit) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + limit, limit - x0, y0 + limit, limit - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
    x0 = ax, y0 = ay, x1 = bx, y1 = by;
    return true;
}

}  // namespace

void Surface::stamp(long long i, long long j, std::uint32_t word, int penWidth) {
    if (penWidth == 1) {
        if (i >= 0 && j >= 0 && i < width() && j < height()) image_.row(int(j))[i] = word;
        return;
    }
    const long long left = i - penWidth / 2, top = j - penWidth / 2;
    const long long r0 = std::max(0LL, -top), r1 = std::min<long long>(penWidth, (long long)height() - top);
    for (long long r = r0; r < r1; ++r) {
        const Run run = penWidth <= tabulatedWidths ? dotShapes().rows[penWidth][r] : dotRow(penWidth, int(r));
        span(int(top + r), left + run.first, left + run.last, word);
    }
}

void Surface::dot(double x, double y, Rgb color, int penWidth) {
    if (!finite({x, y})) return;
    const int pen = penOf(penWidth);
    const long long reach = pen + 1;
    const long long i = clampedFloor(x, -reach, width() + reach), j = clampedFloor(y, -reach, height() + reach);
    stamp(i, j, pixelWord(color), pen);
    ++revision_;
}

void Surface::line(double x0, double y0, double x1, double y1, Rgb color, int penWidth) {
    if (!finite({x0, y0, x1, y1})) return;
    if (std::max({std::abs(x0), std::abs(y0), std::abs(x1), std::abs(y1)}) > farthest &&
        !cutToSquare(x0, y0, x1, y1, farthest))
        return;
    thinLine((long long)std::floor(x0), (long long)std::floor(y0), (long long)std::floor(x1), (long long)std::floor(y1),
             pixelWord(color), penOf(penWidth));
    ++revision_;
}

void Surface::thinLine(long long x0, long long y0, long long x1, long long y1, std::uint32_t word, int pen) {
    const long long dx = x1 - x0, dy = y1 - y0;
    const long long n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0) return stamp(x0, y0, word, pen);
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const long long major0 = alongX ? x0 : y0, minor0 = alongX ? y0 : x0;
    const long long majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
    const long long minorDiff = alongX ? dy : dx;
    const long long minorStep = minorDiff < 0 ? -1 : 1, minorRun = std::abs(minorDiff);
    // Only the steps whose pixel, widened by the pen, can reach the surface.
    const long long reach = pen / 2 + 1;
    const long long lo = -reach, hi = (alongX ? width() : height()) - 1 + reach;
    long long k0 = majorStep > 0 ? lo - major0 : major0 - hi;
    long long k1 = majorStep > 0 ? hi - major0 : major0 - lo;
    k0 = std::max(k0, 0LL);
    k1 = std::min(k1, n);
    for (long long k = k0; k <= k1; ++k) {
        const long long major = major0 + majorStep * k;
        const long long minor = minor0 + minorStep * ((2 * k * minorRun + n) / (2 * n));
        if (alongX)
            stamp(major, minor, word, pen);
        else
            stamp(minor, major, word, pen);
    }
}

void Surface::ellipse(double cx, double cy, double rx, double ry, const EllipseStyle& style) {
    if (!finite({cx, cy, rx, ry})) return;
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (style.fill != FillStyle::None && rx > 0 && ry > 0) fillEllipse(cx, cy, rx, ry, style);
    if (style.outline) outlineEllipse(cx, cy, rx, ry, pixelWord(*style.outline), penOf(style.penWidth));
    ++revision_;
}

void Surface::fillEllipse(double cx, double cy, double rx, double ry, const EllipseStyle& style) {
    const auto inside = [&](long long i, long long j) {
        const double u = (double(i) + 0.5 - cx) / rx, v = (double(j) + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    const std::uint32_t word = pixelWord(style.fillColor);
    const long long j0 = std::max(0LL, clampedFloor(cy - ry - 0.5, -1, height()));
    const long long j1 = std::min<long long>(height() - 1, clampedFloor(cy + ry, -1, height()));
    for (long long j = j0; j <= j1; ++j) {
        const double v = (double(j) + 0.5 - cy) / ry;
        if (v * v > 1.0) continue;
        const double half = rx * std::sqrt(1.0 - v * v);
        // The run from the square root, then made to agree with the test itself.
        long long a = clampedFloor(cx - half - 0.5, -1, width()) + 1;
        long long b = clampedFloor(cx + half - 0.5, -1, width());
        while (a > 0 && inside(a - 1, j)) --a;
        while (a <= b && a < width() && !inside(a, j)) ++a;
        while (b < width() - 1 && inside(b + 1, j)) ++b;
        while (b >= a && b >= 0 && !inside(b, j)) --b;
        a = std::max(a, 0LL);
        b = std::min<long long>(b, width() - 1);
        if (style.fill == FillStyle::Solid) {
            span(int(j), a, b, word);
            continue;
        }
        for (long long i = a; i <= b; ++i) {
            const long long sum = i + j, difference = i - j;
            if (sum % hatchSpacing == 0 || difference % hatchSpacing == 0) image_.row(int(j))[i] = word;
        }
    }
}

void Surface::outlineEllipse(double cx, double cy, double rx, double ry, std::uint32_t word, int pen) {
    const long long reach = pen / 2 + 1;
    // Upper and lower points at each column's centre, held inside the ellipse's span.
    const long long i0 = std::max(clampedFloor(cx - rx, -reach - 1, width() + reach), -reach);
    const long long i1 = std::min(clampedFloor(cx + rx, -reach - 1, width() + reach), width() + reach);
    for (long long i = i0; i <= i1; ++i) {
        const double x = std::clamp(double(i) + 0.5, cx - rx, cx + rx);
        const double t = rx > 0 ? (x - cx) / rx : 0.0;
        const double h = ry * std::sqrt(std::max(0.0, 1.0 - t * t));
        stamp(i, clampedFloor(cy - h, -reach - 1, height() + reach), word, pen);
        stamp(i, clampedFloor(cy + h, -reach - 1, height() + reach), word, pen);
    }
    // Left and right points at each row's centre.
    const long long j0 = std::max(clampedFloor(cy - ry, -reach - 1, height() + reach), -reach);
    const long long j1 = std::min(clampedFloor(cy + ry, -reach - 1, height() + reach), height() + reach);
    for (long long j = j0; j <= j1; ++j) {
        const double y = std::clamp(double(j) + 0.5, cy - ry, cy + ry);
        const double t = ry > 0 ? (y - cy) / ry : 0.0;
        const double w = rx * std::sqrt(std::max(0.0, 1.0 - t * t));
        stamp(clampedFloor(cx - w, -reach - 1, width() + reach), j, word, pen);
        stamp(clampedFloor(cx + w, -reach - 1, width() + reach), j, word, pen);
    }
}

}  // namespace tintara::ui
