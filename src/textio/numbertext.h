// The number-as-text of the system.
#pragma once

#include <string>

namespace tintara::textio {

// The shortest decimal text that reads back to the same single-precision value:
// 41.24, 100, 9.5, 0.5, -0.25. Very large or very small numbers use an exponent
// (1.5E+12, 2E-07).
std::string plainNumber(float value);

// A number as the system writes it inside text: the plain number with a blank in
// the sign position for a non-negative value and no zero before the point
// (" 5", " 24", " .5", "-2.5").
std::string signedNumber(float value);

// A whole number written the same way, exactly at any size: " 32768", "-3".
std::string signedWhole(long long value);

}  // namespace tintara::textio
