// A drawing surface: a raster of pixels the window logic paints and reads back.
// Both backends keep the same raster, so a colour read by the logic is exactly
// the colour a person sees.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/color.h"

namespace tintara::ui {

enum class BorderStyle { None, Solid, Dotted };

class Surface {
public:
    Surface(int width, int height, Rgb background);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb background() const { return background_; }

    void clear(Rgb background);
    void resize(int width, int height);
    // A filled rectangle in pixels, clipped to the surface, with an optional
    // one-pixel border inside its edge.
    void fillRect(int x, int y, int w, int h, Rgb fill, BorderStyle border = BorderStyle::None,
                  Rgb borderColor = black);
    void setPixel(int x, int y, Rgb color);
    // The colour at a pixel; false for a position outside the surface.
    bool pixel(int x, int y, Rgb& color) const;

    // 0xFFRRGGBB per pixel, row by row, for a backend to show.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    // Counts every change, so a view knows when to repaint.
    std::uint64_t revision() const { return revision_; }

private:
    void put(int x, int y, Rgb color);
    int width_, height_;
    Rgb background_;
    std::vector<std::uint32_t> pixels_;
    std::uint64_t revision_ = 0;
};

}  // namespace tintara::ui
