// The display's XYZ <-> linear RGB matrices: sRGB / BT.709 primaries with the
// D65 white. Colours reach them scaled by the condition's kX and kZ.
#pragma once

#include "colorimetry/matrix3.h"

namespace tintara::colorimetry {

inline constexpr Mat3 xyzToLinearRgb{{
    {3.240479f, -1.53715f, -0.498535f},
    {-0.969256f, 1.875992f, 0.041556f},
    {0.055648f, -0.204043f, 1.057311f},
}};

inline constexpr Mat3 linearRgbToXyz{{
    {0.412453f, 0.35758f, 0.180423f},
    {0.212671f, 0.71516f, 0.072169f},
    {0.019334f, 0.119193f, 0.950227f},
}};

}  // namespace tintara::colorimetry
