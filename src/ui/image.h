// A picture as the windows hold it: width, height and one colour per pixel,
// row by row from the top left. Pictures loaded from files or the clipboard,
// and the contents of a drawing surface, are images.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/color.h"

namespace tintara::ui {

// A pixel word: 0xFFRRGGBB, the layout Qt's 32-bit RGB images use, so a
// backend shows an image without converting it.
inline std::uint32_t pixelWord(Rgb c) {
    return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}
inline Rgb fromPixelWord(std::uint32_t w) { return Rgb{std::uint8_t(w >> 16), std::uint8_t(w >> 8), std::uint8_t(w)}; }

class Image {
public:
    Image() = default;
    // A negative size is taken as 0.
    Image(int width, int height, Rgb fill = black);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // The colour at a pixel; false for a position outside the image.
    bool pixel(int x, int y, Rgb& color) const;
    // The given colour outside the image.
    Rgb pixelOr(int x, int y, Rgb outside) const;
    // Ignored outside the image.
    void setPixel(int x, int y, Rgb color);

    const std::vector<std::uint32_t>& words() const { return words_; }
    std::vector<std::uint32_t>& words() { return words_; }
    std::uint32_t* row(int y) { return words_.data() + std::size_t(y) * std::size_t(width_); }
    const std::uint32_t* row(int y) const { return words_.data() + std::size_t(y) * std::size_t(width_); }

    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> words_;
};

}  // namespace tintara::ui
