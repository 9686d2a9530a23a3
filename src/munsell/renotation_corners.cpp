#include "munsell/renotation_corners.h"

#include "munsell/cell_search.h"

namespace tintara::munsell {

RenotationCorners::RenotationCorners(const RenotationTable& table)
    : points_(tableValues * tableHues * tableChromas), strips_(tableValues * loadedHues) {
    const search::TableCorners source{table};
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < tableHues; ++h) {
            for (int c = 0; c < tableChromas; ++c) {
                points_[(v * tableHues + h) * tableChromas + c] = source.at(v, h, c);
            }
        }
        for (int h = 0; h < loadedHues; ++h) strips_[v * loadedHues + h] = source.stripLength(v, h);
    }
}

}  // namespace tintara::munsell
