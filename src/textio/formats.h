// Number formats of the windows and files: every number the program shows or
// writes goes through here, so that a value reads the same everywhere. The
// number-as-text of the system and the reading of numbers come with it.
#pragma once

#include <string>
#include <string_view>

#include "textio/numberread.h"
#include "textio/numbertext.h"

namespace tintara::textio {

// Formats a number with a display pattern such as "##0.00", "0.0000", "###.00",
// "##.00", ".0000", "##0", "   #.##" or " ##.00".
// - Before the point, "0" is a digit always shown and "#" a digit shown only when
//   significant, so "###.00" writes 0.5 as ".50" and "##0.00" writes it as "0.50".
//   An integer part wider than the pattern is written whole.
// - After the point, "0" is a decimal always shown and "#" one shown only when not
//   a trailing zero; the point itself is always written when the pattern has one.
// - The value is brought to the pattern's decimals with halves away from zero,
//   from its exact binary value.
// - Blanks in the pattern are written as they stand.
// - A minus sign precedes a negative number; a value that rounds to zero is
//   written without a sign.
std::string format(double value, std::string_view pattern);

}  // namespace tintara::textio
