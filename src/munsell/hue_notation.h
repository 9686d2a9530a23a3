// Hue notation such as "5.6R" or "2.5YR", and hue numbers on the 0..100 circle.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintara::munsell {

// The hue-family symbols in hue order; the eleventh is empty.
inline constexpr std::array<std::string_view, 11> hueNames = {"R", "YR", "Y", "GY", "G", "BG",
                                                              "B", "PB", "P", "RP", ""};

// The notation of hue number H: the step written "##.00" and the family, with a
// family boundary written as step 10 of the lower family (10 gives "10.00R",
// 0 gives ".00R"). Hue numbers outside 0..100 are first brought onto the circle.
std::string hconvert(float H);

struct HueReading {
    float H = 0;               // hue number; 100 + the number when no family matched
    bool formatError = false;  // the text ends in no family symbol
};

// Reads hue notation; the caller's text is replaced by its upper-case form.
// Two-letter families are tried first, so "5YR" is YR and not R.
HueReading converth(std::string& text);

}  // namespace tintara::munsell
