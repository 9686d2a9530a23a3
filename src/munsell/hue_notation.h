// Hue notation such as "5.6R" or "2.5YR", and hue numbers on the 0..100 circle.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tintara::munsell {

// The hue-family symbols in hue order; the eleventh is empty.
inline constexpr std::array<std::string_view, 11> hueNames = {"R", "YR", "Y", "GY", "G", "BG",
                                                              "B", "PB", "P", "RP", ""};

// The notation of a hue number (hconvert): the step written "##.00" and the
// family, with a family boundary written as step 10 of the lower family (10
// gives "10.00R", 0 gives ".00R"). Hue numbers outside 0..100 are first brought
// onto the circle.
std::string formatHue(float hue);

struct ParsedHue {
    float hue = 0;             // hue number; 100 + the number when no family matched
    bool familyFound = false;  // false when the text ends in no family symbol
};

// Reads hue notation in either case (converth). Two-letter families are tried
// first, so "5YR" is YR and not R. The number before the family is read as a
// person reads it (textio::leadingNumber): "5 R" is 5, "R" is 0.
ParsedHue parseHue(std::string_view text);

}  // namespace tintara::munsell
