// The blocks a palette is made of: the picture cut into squares of n x n
// pixels, one palette entry each. A last column or row narrower than n is
// left out, so a picture 1005 pixels wide gives 100 columns at n = 10. The
// blocks are taken column by column, each from the top down.
#pragma once

#include <string>

#include "ui/image.h"

namespace tintara::imaging {

// The most entries a palette from a picture may have.
inline constexpr long long paletteBlockLimit = 10000;

struct PaletteGrid {
    int n = 1;       // block side in pixels
    int width = 0;   // W: the picture's width cut to whole blocks
    int height = 0;  // H: the picture's height cut to whole blocks

    int columns() const { return width / n; }
    int rows() const { return height / n; }
    long long blocks() const { return static_cast<long long>(columns()) * rows(); }
};

// The grid of n x n blocks over a picture of this size; n must be 1 or more.
PaletteGrid paletteGrid(int pictureWidth, int pictureHeight, int n);

struct BlockOrigin {
    int x0 = 0, y0 = 0;  // the block's top-left pixel
};

// The block at this place in the palette's order: column by column, and
// within a column from the top down. index runs from 0 to blocks() - 1.
BlockOrigin blockAt(const PaletteGrid& grid, long long index);

// The average of each channel over the n x n pixels from (x0, y0), taken to
// the nearest whole number with halves to the even one. The block must lie
// inside the picture.
ui::Rgb gridBlockAverage(const ui::Image& picture, int x0, int y0, int n);

// The sample name of a block's palette record: both numbers as the system
// writes them inside text, each after a blank, so block 0, 10 is " 0 10".
std::string blockTag(int x0, int y0);

}  // namespace tintara::imaging
