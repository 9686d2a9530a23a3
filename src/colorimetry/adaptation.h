// Bradford chromatic adaptation between the conditions' white points.
#pragma once

#include "colorimetry/conditions.h"

namespace tintara::colorimetry {

// Adapts the colour (X, Y, Z) from the source white (Xs, Ys, Zs) to the
// destination white (Xd, Yd, Zd), writing (Xo, Yo, Zo). The whites' Y must not
// be zero; a colour with Y = 0 is adapted by the same linear map.
void xyzconv(float X, float Y, float Z, float Xs, float Ys, float Zs, float& Xo, float& Yo, float& Zo, float Xd,
             float Yd, float Zd);

enum class Direction {
    Forward,  // from illuminant C to the condition ("F")
    Back      // from the condition to illuminant C ("B")
};

// Adapts X, Y, Z in place between illuminant C and the condition and writes the
// chromaticity of the adapted colour into x, y (both 0 for a colour whose
// X + Y + Z is 0). Forward under C leaves the colour as it is.
void xyzconvert(Direction direction, float& X, float& Y, float& Z, float& x, float& y, Condition condition);

}  // namespace tintara::colorimetry
