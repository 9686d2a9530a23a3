// Exact decimal rounding of a double, the ground the display formats stand on.
#pragma once

#include <string>

namespace tintara::textio {

// A finite value brought to a fixed number of decimals, halves away from zero,
// judged on the exact binary value (so 1.005, stored just below, stays 1.00).
struct RoundedDecimal {
    bool negative = false;  // false whenever every digit is zero
    std::string whole;      // integer digits without leading zeros; "" for zero
    std::string fraction;   // exactly the requested number of digits
};

// `value` must be finite; a negative `decimals` counts as zero.
RoundedDecimal roundDecimal(double value, int decimals);

}  // namespace tintara::textio
