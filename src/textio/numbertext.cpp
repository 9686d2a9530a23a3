// Shortest digits that read back to the same single-precision value, in plain
// notation for everyday magnitudes.
#include "textio/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tintara::textio {

namespace {

// Shortest significant digits of a finite, non-zero magnitude and the decimal
// exponent of the first one (value = d.ddd * 10^exponent).
struct ShortestDigits {
    std::string digits;
    int exponent = 0;
};

ShortestDigits shortestDigits(float magnitude) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific);
    const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t e = text.find('e');
    ShortestDigits out;
    for (char c : text.substr(0, e)) {
        if (c != '.') out.digits += c;
    }
    const std::string_view exp = text.substr(e + 1);
    std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), out.exponent);
    return out;
}

std::string plainNotation(const ShortestDigits& d) {
    const std::size_t n = d.digits.size();
    if (d.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (n <= wholeDigits) return d.digits + std::string(wholeDigits - n, '0');
    return d.digits.substr(0, wholeDigits) + "." + d.digits.substr(wholeDigits);
}

std::string exponentNotation(const ShortestDigits& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const std::string exp = std::to_string(std::abs(d.exponent));
    if (exp.size() < 2) out += '0';
    return out + exp;
}

}  // namespace

std::string plainNumber(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    if (value == 0.0f) return "0";  // minus zero too

    const ShortestDigits d = shortestDigits(std::fabs(value));
    const bool plain = d.exponent >= -5 && d.exponent < 15;
    return (value < 0 ? "-" : "") + (plain ? plainNotation(d) : exponentNotation(d));
}

std::string signedNumber(float value) {
    std::string body = plainNumber(value);
    const bool negative = body.front() == '-';
    if (negative) body.erase(0, 1);
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

std::string signedWhole(long long value) { return (value < 0 ? "" : " ") + std::to_string(value); }

}  // namespace tintara::textio
