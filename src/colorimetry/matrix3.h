// Three-by-three matrices of single-precision constants applied to colour
// triples; the shared arithmetic of the display and adaptation transforms.
#pragma once

#include <array>

namespace tintara::colorimetry {

using Vec3 = std::array<float, 3>;
using Mat3 = std::array<Vec3, 3>;

// Each row's sum of products is formed in double and stored to float, as every
// single-precision conversion of the program does.
inline Vec3 apply(const Mat3& m, const Vec3& v) {
    Vec3 out{};
    for (int row = 0; row < 3; ++row) {
        double sum = 0.0;
        for (int col = 0; col < 3; ++col) {
            sum += static_cast<double>(m[row][col]) * static_cast<double>(v[col]);
        }
        out[row] = static_cast<float>(sum);
    }
    return out;
}

}  // namespace tintara::colorimetry
