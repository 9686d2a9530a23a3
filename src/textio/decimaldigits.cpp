#include "textio/decimaldigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tintara::textio {

namespace {

// Decimals that hold the whole binary fraction of `magnitude`: a double is
// m * 2^(e-53) with an integer m, and 2^-k needs exactly k decimals.
int exactDecimals(double magnitude) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    return std::clamp(53 - exponent, 0, 1126);
}

// Adds one unit in the last place of a digit string, carrying leftwards.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

RoundedDecimal roundDecimal(double value, int decimals) {
    decimals = std::max(decimals, 0);
    const double magnitude = std::fabs(value);
    const int precision = std::max(decimals + 1, exactDecimals(magnitude));

    // Up to 309 integer digits, the point and the decimals.
    std::string text(static_cast<std::size_t>(precision) + 320, '\0');
    const auto res =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, precision);
    text.resize(static_cast<std::size_t>(res.ptr - text.data()));

    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    fraction.resize(static_cast<std::size_t>(decimals) + 1, '0');

    // The expansion is exact, so a first dropped digit of 5 or more means the
    // remainder is at least one half.
    const bool up = fraction.back() >= '5';
    fraction.pop_back();
    std::string digits = whole + fraction;
    if (up) incrementDigits(digits);

    RoundedDecimal out;
    out.fraction = digits.substr(digits.size() - fraction.size());
    out.whole = digits.substr(0, digits.size() - fraction.size());
    out.whole.erase(0, std::min(out.whole.find_first_not_of('0'), out.whole.size()));
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    out.negative = std::signbit(value) && !allZero;
    return out;
}

}  // namespace tintara::textio
