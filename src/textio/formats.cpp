#include "textio/formats.h"

#include <cmath>

#include "textio/decimaldigits.h"

namespace tintara::textio {

namespace {

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

std::size_t countPlaceholders(std::string_view part) {
    std::size_t n = 0;
    for (char c : part) n += isPlaceholder(c) ? 1 : 0;
    return n;
}

// The part before the point. Digits fill the placeholders from the right; any
// that do not fit go out with the first placeholder, so a wide integer part is
// never cut. The sign sits right before the first digit, so blanks at the
// front of a pattern keep a column of numbers aligned.
std::string integerPart(std::string_view pattern, std::string digits, bool negative) {
    const std::size_t slots = countPlaceholders(pattern);
    const std::size_t firstZero = pattern.find('0');
    if (firstZero != std::string_view::npos) {
        const std::size_t shown = countPlaceholders(pattern.substr(firstZero));
        if (digits.size() < shown) digits.insert(0, shown - digits.size(), '0');
    }

    std::string out;
    bool signPending = negative;
    auto emit = [&](std::string_view d) {
        if (d.empty()) return;
        if (signPending) out += '-';
        signPending = false;
        out += d;
    };

    // Placeholder k (0-based) takes digit index k + digits.size() - slots.
    const long offset = static_cast<long>(digits.size()) - static_cast<long>(slots);
    long k = 0;
    for (char c : pattern) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        const long index = k + offset;
        if (k == 0 && index >= 0) {
            emit(std::string_view(digits).substr(0, static_cast<std::size_t>(index) + 1));
        } else if (index >= 0) {
            emit(std::string_view(digits).substr(static_cast<std::size_t>(index), 1));
        }
        ++k;
    }
    if (slots == 0) emit(digits);
    if (signPending) out += '-';
    return out;
}

// The part after the point: trailing zeros that fall on "#" are dropped.
std::string fractionPart(std::string_view pattern, const std::string& digits) {
    std::string kinds;
    for (char c : pattern) {
        if (isPlaceholder(c)) kinds += c;
    }
    std::size_t keep = digits.size();
    while (keep > 0 && kinds[keep - 1] == '#' && digits[keep - 1] == '0') --keep;

    std::string out;
    std::size_t i = 0;
    for (char c : pattern) {
        if (!isPlaceholder(c)) {
            out += c;
        } else if (i < keep) {
            out += digits[i];
        }
        if (isPlaceholder(c)) ++i;
    }
    return out;
}

}  // namespace

std::string format(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";

    const std::size_t point = pattern.find('.');
    const bool hasPoint = point != std::string_view::npos;
    const std::string_view before = pattern.substr(0, point);
    const std::string_view after = hasPoint ? pattern.substr(point + 1) : std::string_view();

    const RoundedDecimal r = roundDecimal(value, static_cast<int>(countPlaceholders(after)));
    std::string out = integerPart(before, r.whole, r.negative);
    if (!hasPoint) {
        // An empty pattern still has to show the number.
        return pattern.empty() && out.empty() ? std::string("0") : out;
    }
    out += '.';
    out += fractionPart(after, r.fraction);
    return out;
}

}  // namespace tintara::textio
