// What the fuzz targets share: a failed property stops the run with a message,
// and an independent reading of "wholly a number".
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace tintara::fuzz {

// Stops the run, so that libFuzzer keeps the input that broke the property.
inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// The number a text holds with nothing but blanks around it, read with the C
// library rather than the program's own reader; an exponent may be marked D.
inline std::optional<double> wholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return std::nullopt;
    std::string number(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
    for (char& c : number) {
        if (c == 'd' || c == 'D') c = 'e';
        if (std::string_view("0123456789+-.eE").find(c) == std::string_view::npos) return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size()) return std::nullopt;
    return value;
}

}  // namespace tintara::fuzz
