#include "munsell/hue_notation.h"

#include <cctype>
#include <cmath>

#include "munsell/hue_circle.h"
#include "textio/formats.h"

namespace tintara::munsell {
namespace {

constexpr int noFamily = 10;

bool endsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && std::string_view(text).substr(text.size() - suffix.size()) == suffix;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace

std::string formatHue(float hue) {
    hue = ontoHueCircle(hue);
    // The 0.001 offset writes a family boundary as step 10 of the lower family.
    int k = static_cast<int>(std::floor((static_cast<double>(hue) - 0.001) / 10.0));
    if (k < 0) k = 0;
    const auto n = static_cast<float>(hue - 10.0 * k);
    return textio::format(n, "##.00") + std::string(hueNames[k]);
}

ParsedHue parseHue(std::string_view typed) {
    const std::string text = upperCase(typed);
    // Two-letter families first: "5YR" also ends in R.
    int family = noFamily;
    std::size_t suffix = 0;
    for (int k = 1; k <= 9 && family == noFamily; k += 2) {
        if (endsWith(text, hueNames[k])) family = k, suffix = 2;
    }
    for (int k = 0; k <= 8 && family == noFamily; k += 2) {
        if (endsWith(text, hueNames[k])) family = k, suffix = 1;
    }

    ParsedHue parsed;
    parsed.familyFound = family != noFamily;
    const double step = textio::leadingNumber(std::string_view(text).substr(0, text.size() - suffix));
    parsed.hue = static_cast<float>(10.0 * family + step);
    return parsed;
}

}  // namespace tintara::munsell
