// Bradford chromatic adaptation between the conditions' white points: colours
// of the renotation table (illuminant C) carried to the selected condition,
// and colours given under the condition carried back to C.
#pragma once

#include "colorimetry/conditions.h"
#include "colorimetry/xyz.h"

namespace tintara::colorimetry {

// The colour seen under fromWhite, as it appears under toWhite (linear
// Bradford; the main window's xyzconv). The whites' Y must not be 0; a colour
// with Y = 0 has no Y to normalise by and is carried by the same linear map,
// so black stays black.
Xyz adapt(Xyz colour, Xyz fromWhite, Xyz toWhite);

// From illuminant C to the condition (xyzconvert "F"); under C itself the
// colour is already there and comes back unchanged.
Xyz adaptFromC(Xyz colour, Condition to);

// From the condition back to illuminant C (xyzconvert "B"); unchanged under C.
Xyz adaptToC(Xyz colour, Condition from);

}  // namespace tintara::colorimetry
