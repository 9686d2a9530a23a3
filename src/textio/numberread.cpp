#include "textio/numberread.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tintara::textio {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest number at the start of `text`, rewritten in the form
// std::from_chars takes; `end` is where reading stopped.
struct Scanned {
    std::string clean;
    std::size_t end = 0;
    bool found = false;
};

Scanned scan(std::string_view text, bool blanksInside) {
    Scanned s;
    std::size_t i = 0;
    auto skip = [&](std::size_t& at) {
        while (blanksInside && at < text.size() && isBlank(text[at])) ++at;
    };
    auto digitsAt = [&](std::size_t& at, std::string& to) {
        std::size_t n = 0;
        for (skip(at); at < text.size() && isDigit(text[at]); ++n, skip(at)) to += text[at++];
        return n;
    };

    skip(i);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') s.clean += '-';
        ++i;
    }
    std::size_t mantissa = digitsAt(i, s.clean);
    if (i < text.size() && text[i] == '.') {
        s.clean += '.';
        ++i;
        mantissa += digitsAt(i, s.clean);
    }
    if (mantissa == 0) return s;
    s.found = true;
    s.end = i;

    // An exponent mark counts only when digits follow it: "5E" is 5.
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exp = "e";
        skip(j);
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        if (digitsAt(j, exp) > 0) {
            s.clean += exp;
            s.end = j;
        }
    }
    return s;
}

// Whether a number std::from_chars could not hold is too large (rather than
// too small): its first significant digit lies at or above 10^0 once the
// exponent is applied.
bool tooLarge(const std::string& clean) {
    const std::size_t e = clean.find('e');
    long exponent = 0;
    if (e != std::string::npos) {
        const std::string_view exp = std::string_view(clean).substr(e + 1);
        long sign = exp.front() == '-' ? -1 : 1;
        for (char c : exp) {
            if (isDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), 1L << 40);
        }
        exponent *= sign;
    }
    const std::string mantissa = clean.substr(0, e);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return false;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long order = static_cast<long>(point) - static_cast<long>(first);
    return order + exponent > 0;
}

// Converts a scanned number; an overflow gives +-infinity and sets `overflow`.
double convert(const std::string& clean, bool& overflow) {
    double value = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    overflow = false;
    if (res.ec != std::errc::result_out_of_range) return value;
    const bool negative = clean.front() == '-';
    overflow = tooLarge(clean);
    const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace

double leadingNumber(std::string_view text) {
    const Scanned s = scan(text, true);
    if (!s.found) return 0.0;
    bool overflow = false;
    return convert(s.clean, overflow);
}

std::optional<double> parseNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);

    const Scanned s = scan(text, false);
    if (!s.found || s.end != text.size()) return std::nullopt;
    bool overflow = false;
    const double value = convert(s.clean, overflow);
    if (overflow) return std::nullopt;  // no double holds it: not a usable number
    return value;
}

bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0, digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

}  // namespace tintara::textio
