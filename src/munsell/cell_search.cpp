#include "munsell/cell_search.h"

namespace tintara::munsell {

bool inquad(float x, float y, float p1x, float p1y, float p2x, float p2y, float p3x, float p3y, float p4x, float p4y) {
    return geometry::inQuad(x, y, {p1x, p1y}, {p2x, p2y}, {p3x, p3y}, {p4x, p4y});
}

Cell findcell(const RenotationTable& table, float x, float y, int level) {
    return search::findCell(search::TableCorners{table}, x, y, level);
}

HueChroma refinecell(const RenotationTable& table, float x, float y, int level, Cell cell) {
    return search::refineCell(search::TableCorners{table}, x, y, level, cell);
}

}  // namespace tintara::munsell
