// The corner points of a renotation table as floats, with the length of every
// hue strip, for converting many colours: the inverse search then neither
// divides table entries nor tests them for zero. Build it once per table; it
// gives exactly the corners the table gives.
#pragma once

#include <vector>

#include "munsell/cell_geometry.h"
#include "munsell/renotation_table.h"

namespace tintara::munsell {

class RenotationCorners {
public:
    explicit RenotationCorners(const RenotationTable& table);

    geometry::Point at(int level, int hue, int chroma) const {
        return points_[(level * tableHues + hue) * tableChromas + chroma];
    }
    // Cells of the strip from hue index h to h + 1 that have all four corners,
    // counted outwards from the white.
    int stripLength(int level, int hue) const { return strips_[level * loadedHues + hue]; }

private:
    std::vector<geometry::Point> points_;
    std::vector<int> strips_;
};

}  // namespace tintara::munsell
