#include "imaging/pointer_block.h"

#include <algorithm>
#include <cstdint>

namespace tintara::imaging {

namespace {

// sum / count + 0.5 cut to its integer part, in whole numbers.
std::uint8_t halvesUp(long long sum, long long count) { return std::uint8_t((2 * sum + count) / (2 * count)); }

}  // namespace

ui::Rgb pointerBlockAverage(const ui::Image& picture, int x, int y, int half) {
    const long long side = 2LL * half + 1;
    const long long count = side * side;
    // The block's part inside the picture is summed from the rows; everything
    // else is white.
    const long long cx = x, cy = y;
    const long long left = std::max(0LL, cx - half), right = std::min<long long>(picture.width(), cx + half + 1);
    const long long top = std::max(0LL, cy - half), bottom = std::min<long long>(picture.height(), cy + half + 1);
    long long inside = 0, r = 0, g = 0, b = 0;
    for (long long row = top; row < bottom && left < right; ++row) {
        const std::uint32_t* words = picture.row(int(row));
        for (long long column = left; column < right; ++column) {
            const ui::Rgb c = ui::fromPixelWord(words[column]);
            r += c.r;
            g += c.g;
            b += c.b;
            ++inside;
        }
    }
    const long long white = 255 * (count - inside);
    return ui::Rgb{halvesUp(r + white, count), halvesUp(g + white, count), halvesUp(b + white, count)};
}

}  // namespace tintara::imaging
