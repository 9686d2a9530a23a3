// The block of pixels the pointer samples: a square of (2k + 1) x (2k + 1)
// pixels centred on the pixel under the pointer. Near an edge the pixels that
// fall outside the picture count as white, as the picture area reads them.
#pragma once

#include <array>

#include "ui/image.h"

namespace tintara::imaging {

// One entry of the "Sample Pixels" menu: k, the half width of the block, and
// the number of pixels it averages.
struct SampleSize {
    int half;
    int count;
};

// The menu's five sizes, "1" to "81".
inline constexpr std::array<SampleSize, 5> sampleSizes{{{0, 1}, {1, 9}, {2, 25}, {3, 49}, {4, 81}}};

// The average of each channel over the block around pixel (x, y) with half
// width `half` (0 or more): the integer part of sum / count + 0.5, so that
// halves go up.
ui::Rgb pointerBlockAverage(const ui::Image& picture, int x, int y, int half);

// Whether a channel lies at either end of its range: such an average belongs
// to black or to a colour the picture clipped, and is not converted.
inline bool clippedAverage(ui::Rgb c) {
    for (int v : {c.r, c.g, c.b})
        if (v == 0 || v == 255) return true;
    return false;
}

}  // namespace tintara::imaging
