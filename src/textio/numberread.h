// Reading numbers typed by people and written in files: "." is the decimal
// point whatever the locale, and an exponent may be marked E or D.
#pragma once

#include <optional>
#include <string_view>

namespace tintara::textio {

// The number at the start of a text, read the way a person reads a figure typed
// before a unit: blanks and tabs are skipped, reading stops at the first
// character that cannot continue the number, and a text with no number gives 0.
// "5.6R" gives 5.6, "5 R" gives 5, "R" gives 0, "-.25x" gives -0.25, "1e3" 1000.
double leadingNumber(std::string_view text);

// The number a whole text holds (blanks around it allowed); nothing when the
// text is not one number or no double can hold it. "12.5", " -3 ", "1E3" are
// numbers; "", "abc", "12abc", "1,5", "1e999" are not.
std::optional<double> parseNumber(std::string_view text);

// Whether the text is a plain decimal number and nothing else: an optional
// sign, digits with at most one decimal point among or around them, no
// blanks, no exponent. "12", "-0.5", ".5", "5." are; "", "abc", "12abc",
// " 1", "1e3", "nan", "inf", "0x10", "+", "." are not. Scripts give values
// this way; a text the boxes would still read ("1E3", " 2") is not one.
bool isPlainDecimal(std::string_view text);

}  // namespace tintara::textio
