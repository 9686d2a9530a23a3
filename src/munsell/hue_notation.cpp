#include "munsell/hue_notation.h"

#include <cctype>
#include <cmath>

#include "textio/formats.h"

namespace tintara::munsell {
namespace {

// Brings a hue number onto the 0..100 circle; 100 itself stays 100 (10RP), and
// a hue that is not a number is taken as 0 so that the family index is defined.
float ontoCircle(float H) {
    if (!std::isfinite(H)) return 0;
    if (H >= 0 && H <= 100) return H;
    const double h = H;
    return static_cast<float>(h - 100.0 * std::floor(h / 100.0));
}

bool endsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && std::string_view(text).substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

std::string hconvert(float H) {
    H = ontoCircle(H);
    // The 0.001 offset writes a family boundary as step 10 of the lower family.
    int k = static_cast<int>(std::floor((static_cast<double>(H) - 0.001) / 10.0));
    if (k < 0) k = 0;
    const auto n = static_cast<float>(H - 10.0 * k);
    return textio::format(n, "##.00") + std::string(hueNames[k]);
}

HueReading converth(std::string& text) {
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));

    // Two-letter families first: "5YR" also ends in R.
    int family = 10;
    std::size_t suffix = 0;
    for (int k = 1; k <= 9 && family == 10; k += 2) {
        if (endsWith(text, hueNames[k])) family = k, suffix = 2;
    }
    for (int k = 0; k <= 8 && family == 10; k += 2) {
        if (endsWith(text, hueNames[k])) family = k, suffix = 1;
    }

    HueReading reading;
    reading.formatError = family == 10;
    const double step = textio::leadingNumber(std::string_view(text).substr(0, text.size() - suffix));
    reading.H = static_cast<float>(10.0 * family + step);
    return reading;
}

}  // namespace tintara::munsell
