#include "ui/image.h"

#include <algorithm>

namespace tintara::ui {

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      words_(std::size_t(width_) * std::size_t(height_), pixelWord(fill)) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

bool Image::pixel(int x, int y, Rgb& color) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    color = fromPixelWord(words_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]);
    return true;
}

Rgb Image::pixelOr(int x, int y, Rgb outside) const {
    Rgb c = outside;
    pixel(x, y, c);
    return c;
}

void Image::setPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    words_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = pixelWord(color);
}

}  // namespace tintara::ui
