#include "ui/surface.h"

#include <algorithm>
#include <cstring>

namespace tintara::ui {

Surface::Surface(int width, int height, Rgb background) : image_(width, height, background), background_(background) {}

void Surface::clear(Rgb background) {
    background_ = background;
    std::fill(image_.words().begin(), image_.words().end(), pixelWord(background));
    ++revision_;
}

void Surface::resize(int width, int height) {
    if (std::max(width, 0) == this->width() && std::max(height, 0) == this->height()) return;
    Image next(width, height, background_);
    const int w = std::min(next.width(), image_.width()), h = std::min(next.height(), image_.height());
    for (int y = 0; y < h; ++y) std::memcpy(next.row(y), image_.row(y), std::size_t(w) * sizeof(std::uint32_t));
    image_ = std::move(next);
    ++revision_;
}

void Surface::put(int x, int y, std::uint32_t word) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    image_.row(y)[x] = word;
}

void Surface::span(int y, long long x0, long long x1, std::uint32_t word) {
    if (y < 0 || y >= height()) return;
    x0 = std::max(x0, 0LL);
    x1 = std::min(x1, (long long)width() - 1);
    if (x0 > x1) return;
    std::fill(image_.row(y) + x0, image_.row(y) + x1 + 1, word);
}

void Surface::setPixel(int x, int y, Rgb color) {
    put(x, y, pixelWord(color));
    ++revision_;
}

void Surface::invertPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    image_.row(y)[x] ^= 0x00FFFFFFu;
    ++revision_;
}

void Surface::fillRect(int x, int y, int w, int h, Rgb fill, BorderStyle border, Rgb borderColor) {
    if (w <= 0 || h <= 0) return;
    const long long right = (long long)x + w - 1, bottom = (long long)y + h - 1;
    const std::uint32_t word = pixelWord(fill);
    for (long long py = std::max(y, 0); py <= std::min(bottom, (long long)height() - 1); ++py)
        span(int(py), x, right, word);
    if (border != BorderStyle::None) {
        // A dotted border lights every other pixel along the edge.
        const std::uint32_t edge = pixelWord(borderColor);
        auto mark = [&](long long px, long long py, long long step) {
            if ((border == BorderStyle::Solid || step % 2 == 0) && px >= 0 && py >= 0 && px < width() && py < height())
                put(int(px), int(py), edge);
        };
        // Only the steps that can land on the surface are walked.
        for (long long i = std::max(0LL, -(long long)x); i < std::min<long long>(w, (long long)width() - x); ++i) {
            mark(x + i, y, i);
            mark(x + i, bottom, i);
        }
        for (long long i = std::max(0LL, -(long long)y); i < std::min<long long>(h, (long long)height() - y); ++i) {
            mark(x, y + i, i);
            mark(right, y + i, i);
        }
    }
    ++revision_;
}

void Surface::drawImage(const Image& picture, int x, int y) {
    const long long x0 = std::max<long long>(x, 0), x1 = std::min<long long>((long long)x + picture.width(), width());
    const long long y0 = std::max<long long>(y, 0), y1 = std::min<long long>((long long)y + picture.height(), height());
    for (long long py = y0; py < y1; ++py)
        if (x0 < x1)
            std::memcpy(image_.row(int(py)) + x0, picture.row(int(py - y)) + (x0 - x),
                        std::size_t(x1 - x0) * sizeof(std::uint32_t));
    ++revision_;
}

void Surface::assign(const Image& picture) {
    image_ = picture;
    ++revision_;
}

}  // namespace tintara::ui
