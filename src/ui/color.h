// Colours of controls and drawing surfaces.
#pragma once

#include <cstdint>

namespace tintara::ui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 24-bit colour value the windows read from a surface: red in the low byte,
// green in the second, blue in the third.
inline std::uint32_t colorValue(Rgb c) {
    return std::uint32_t(c.r) | (std::uint32_t(c.g) << 8) | (std::uint32_t(c.b) << 16);
}
inline Rgb fromColorValue(std::uint32_t v) {
    return Rgb{std::uint8_t(v & 0xFF), std::uint8_t((v & 0xFF00) >> 8), std::uint8_t((v & 0xFF0000) >> 16)};
}

// Colours taken from whole numbers that may lie outside 0..255 are limited to it.
Rgb clampedRgb(long r, long g, long b);

inline constexpr Rgb lightGrey{192, 192, 192};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};

}  // namespace tintara::ui
