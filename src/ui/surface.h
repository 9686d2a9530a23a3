// A drawing surface: a raster of pixels the window logic paints and reads back.
// Both backends keep the same raster, so a colour read by the logic is exactly
// the colour a person sees.
//
// Positions are pixel coordinates: pixel (i, j) is column i from the left and
// row j from the top, and covers the square i <= x < i + 1, j <= y < j + 1. A
// point belongs to the pixel that holds it, (floor x, floor y); a whole-number
// point (i, j) is pixel (i, j)'s top-left corner. Everything is clipped at the
// edges: what falls outside the surface is not drawn, and a figure partly
// outside lights exactly the pixels it would light on a larger surface.
//
// The pixel rules, which the tests check against hand-worked pixels:
//  - a dot of width w around pixel (i, j) lights the pixels of the w x w box
//    from column i - w/2 and row j - w/2 (w/2 rounded down) whose centres lie
//    within the circle inscribed in the box. The box is centred on pixel
//    (i, j) for an odd w and on its top-left corner for an even w. Width 1 is
//    the one pixel, 2 and 3 are full squares, 4 is a square without its
//    corners; a dot is always exactly w pixels across. Widths below 1 count as 1;
//  - a line lights both end pixels and, for each step k = 0..n along its longer
//    axis (n steps), the pixel at k along it and at k * d / n along the other
//    axis (d the difference there) rounded to the nearest whole number, halves
//    away from the first end. A pen wider than 1 puts a dot of its width on
//    each of those pixels;
//  - an ellipse with centre (cx, cy) and radii rx, ry is filled with the pixels
//    whose centres lie inside or on it. Its outline lights, for each column it
//    spans, the pixels holding its upper and lower points at the column's centre
//    (or, in its first and last column, at its left or right end), and likewise
//    for each row its left and right points; so an ellipse of zero height is a
//    horizontal line and one of zero size the pixel holding its centre. A pen
//    wider than 1 puts a dot of its width on each outline pixel;
//  - the diagonal cross-hatch lights the pixels (i, j) of the fill with
//    (i + j) or (i - j) a multiple of 8, counted from the surface's top-left
//    corner so that neighbouring figures line up, and leaves the others as
//    they were.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/color.h"
#include "ui/image.h"

namespace tintara::ui {

enum class BorderStyle { None, Solid, Dotted };

enum class FillStyle {
    None,           // the outline only
    Solid,          // every pixel of the figure in the fill colour
    DiagonalCross,  // lines in the fill colour both ways at 45 degrees; the gaps keep what was there
};

struct EllipseStyle {
    std::optional<Rgb> outline = black;  // none: no outline
    int penWidth = 1;
    FillStyle fill = FillStyle::None;
    Rgb fillColor = black;
};

inline constexpr int hatchSpacing = 8;

class Surface {
public:
    Surface(int width, int height, Rgb background);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    Rgb background() const { return background_; }

    // Paints everything in the colour, which becomes the background.
    void clear(Rgb background);
    // Keeps what lies inside both the old and the new size; new pixels take the
    // background.
    void resize(int width, int height);

    // A filled rectangle in pixels, with an optional one-pixel border inside its
    // edge; a dotted border lights every other pixel from each corner.
    void fillRect(int x, int y, int w, int h, Rgb fill, BorderStyle border = BorderStyle::None,
                  Rgb borderColor = black);
    void setPixel(int x, int y, Rgb color);
    // Turns a pixel into its inverse colour (XOR 0xFFFFFF); twice restores it.
    void invertPixel(int x, int y);

    void dot(double x, double y, Rgb color, int penWidth = 1);
    void line(double x0, double y0, double x1, double y1, Rgb color, int penWidth = 1);
    void ellipse(double cx, double cy, double rx, double ry, const EllipseStyle& style);
    void circle(double cx, double cy, double r, const EllipseStyle& style) { ellipse(cx, cy, r, r, style); }

    // Copies the image with its top-left corner at pixel (x, y).
    void drawImage(const Image& image, int x, int y);
    // Becomes the image: its size and its pixels.
    void assign(const Image& image);

    // The colour at a pixel; false for a position outside the surface.
    bool pixel(int x, int y, Rgb& color) const { return image_.pixel(x, y, color); }

    const Image& image() const { return image_; }
    // The pixel words, row by row, for a backend to show.
    const std::vector<std::uint32_t>& pixels() const { return image_.words(); }
    // For a backend that draws text straight into the raster; call touch() after.
    std::uint32_t* data() { return image_.words().data(); }
    void touch() { ++revision_; }
    // Counts every change, so a view knows when to repaint.
    std::uint64_t revision() const { return revision_; }

private:
    void put(int x, int y, std::uint32_t word);
    void span(int y, long long x0, long long x1, std::uint32_t word);
    void stamp(long long i, long long j, std::uint32_t word, int penWidth);
    void thinLine(long long x0, long long y0, long long x1, long long y1, std::uint32_t word, int penWidth);
    void fillEllipse(double cx, double cy, double rx, double ry, const EllipseStyle& style);
    void outlineEllipse(double cx, double cy, double rx, double ry, std::uint32_t word, int penWidth);

    Image image_;
    Rgb background_;
    std::uint64_t revision_ = 0;
};

}  // namespace tintara::ui
