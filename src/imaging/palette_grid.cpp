#include "imaging/palette_grid.h"

#include <cstdint>

#include "textio/numbertext.h"

namespace tintara::imaging {

namespace {

// sum / count to the nearest whole number, halves to the even one, in whole
// numbers so that no rounding of a quotient can tip a half.
std::uint8_t nearestHalvesEven(long long sum, long long count) {
    long long quotient = sum / count;
    const long long twiceRest = 2 * (sum % count);
    if (twiceRest > count || (twiceRest == count && quotient % 2 == 1)) ++quotient;
    return std::uint8_t(quotient);
}

}  // namespace

PaletteGrid paletteGrid(int pictureWidth, int pictureHeight, int n) {
    PaletteGrid grid;
    grid.n = n;
    grid.width = pictureWidth > 0 ? n * (pictureWidth / n) : 0;
    grid.height = pictureHeight > 0 ? n * (pictureHeight / n) : 0;
    return grid;
}

BlockOrigin blockAt(const PaletteGrid& grid, long long index) {
    const int rows = grid.rows();
    return BlockOrigin{int(index / rows) * grid.n, int(index % rows) * grid.n};
}

ui::Rgb gridBlockAverage(const ui::Image& picture, int x0, int y0, int n) {
    long long r = 0, g = 0, b = 0;
    for (int y = y0; y < y0 + n; ++y) {
        const std::uint32_t* words = picture.row(y) + x0;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t w = words[i];
            r += (w >> 16) & 0xFF;
            g += (w >> 8) & 0xFF;
            b += w & 0xFF;
        }
    }
    const long long count = static_cast<long long>(n) * n;
    return ui::Rgb{nearestHalvesEven(r, count), nearestHalvesEven(g, count), nearestHalvesEven(b, count)};
}

std::string blockTag(int x0, int y0) { return textio::signedWhole(x0) + textio::signedWhole(y0); }

}  // namespace tintara::imaging
