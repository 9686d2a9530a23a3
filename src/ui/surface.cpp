#include "ui/surface.h"

#include <algorithm>

namespace tintara::ui {

namespace {
std::uint32_t argb(Rgb c) { return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b; }
}  // namespace

Surface::Surface(int width, int height, Rgb background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      background_(background),
      pixels_(std::size_t(width_) * height_, argb(background)) {}

void Surface::clear(Rgb background) {
    background_ = background;
    std::fill(pixels_.begin(), pixels_.end(), argb(background));
    ++revision_;
}

void Surface::resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * height_, argb(background_));
    ++revision_;
}

void Surface::put(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[std::size_t(y) * width_ + x] = argb(color);
}

void Surface::setPixel(int x, int y, Rgb color) {
    put(x, y, color);
    ++revision_;
}

void Surface::fillRect(int x, int y, int w, int h, Rgb fill, BorderStyle border, Rgb borderColor) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int py = y0; py < y1; ++py)
        for (int px = x0; px < x1; ++px) put(px, py, fill);
    if (border != BorderStyle::None && w > 0 && h > 0) {
        // A dotted border lights every other pixel along the edge.
        auto edge = [&](int px, int py, int step) {
            if (border == BorderStyle::Solid || step % 2 == 0) put(px, py, borderColor);
        };
        for (int i = 0; i < w; ++i) {
            edge(x + i, y, i);
            edge(x + i, y + h - 1, i);
        }
        for (int i = 0; i < h; ++i) {
            edge(x, y + i, i);
            edge(x + w - 1, y + i, i);
        }
    }
    ++revision_;
}

bool Surface::pixel(int x, int y, Rgb& color) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    const std::uint32_t v = pixels_[std::size_t(y) * width_ + x];
    color = Rgb{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
    return true;
}

}  // namespace tintara::ui
