// Number formats of the windows and files: every number the program shows or
// writes goes through here, so that a value reads the same everywhere.
#pragma once

#include <string>
#include <string_view>

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

// The shortest decimal text that reads back to the same single-precision value:
// 41.24, 100, 9.5, 0.5, -0.25. Very large or very small numbers use an exponent
// (1.5E+12, 2E-07).
std::string plainNumber(float value);

// A number as the system writes it inside text: the plain number with a blank in
// the sign position for a non-negative value and no zero before the point
// (" 5", " 24", " .5", "-2.5").
std::string signedNumber(float value);

// The number at the start of a text, read the way a person reads a figure typed
// before a unit: blanks and tabs are skipped, reading stops at the first
// character that cannot continue the number, and a text with no number gives 0.
// "5.6R" gives 5.6, "5 R" gives 5, "R" gives 0, "-.25x" gives -0.25, "1e3" 1000.
double leadingNumber(std::string_view text);

// Whether a whole text is one number (blanks around it allowed); if so, stores it.
// "12.5", " -3 ", "1E3" are numbers; "", "abc", "12abc", "1,5" are not.
bool parseNumber(std::string_view text, double& out);

}  // namespace tintara::textio
