// The Munsell renotation table: CIE x, y under illuminant C for each whole
// value, each hue on the 2.5-step circle and each even chroma.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>

namespace tintara::munsell {

inline constexpr int tableValues = 11;    // value 0..10
inline constexpr int tableHues = 42;      // hue index 0..41, H = 2.5 i; 40 copies 0, 41 stays empty
inline constexpr int tableChromas = 31;   // chroma index 0..30, C = 2 i
inline constexpr int loadedHues = 40;     // hue indices read from the file
inline constexpr int loadedChromas = 17;  // chroma indices read from the file (chroma 0..32)

// Entries are x and y times 10000; 0 means the renotation data hold no sample.
struct RenotationTable {
    std::int16_t entry[tableValues][tableHues][tableChromas][2] = {};

    std::int16_t x(int value, int hue, int chroma) const { return entry[value][hue][chroma][0]; }
    std::int16_t y(int value, int hue, int chroma) const { return entry[value][hue][chroma][1]; }
};

// The numbers Vezedu.dat holds: an x and a y for every sample read.
inline constexpr int renotationNumbers = tableValues * loadedHues * loadedChromas * 2;  // 14,960
// The published renotation data, extrapolated samples included, put x and y
// between -0.26 and 2.16 (the table's whole values between -0.03 and 1.11), so
// entries run from -3000 to 22000; 0 is no sample.
inline constexpr int smallestEntry = -3000;
inline constexpr int largestEntry = 22000;
// Many times the size of any layout of the table: a larger file is not one.
inline constexpr std::size_t renotationFileLimit = 1 << 20;

struct LoadedTable {
    std::unique_ptr<RenotationTable> table;  // none when the file could not be read
    std::string error;                       // why not, for the user
    std::string notice;                      // said when the file holds more numbers than the table takes
};

// Reads the numbers of Vezedu.dat (separated by commas, blanks or line ends, two
// to a sample: x then y, value outermost, then hue index 0..39, then chroma
// index 0..16) and completes the table: every chroma-0 entry becomes the C
// white, hue index 40 copies index 0. Numbers after the last sample are
// ignored, and counted in the notice. A file larger than renotationFileLimit,
// a short file, or a field that is not a whole number from smallestEntry to
// largestEntry gives no table and a message naming the sample.
LoadedTable loadRenotationTable(std::istream& in);

}  // namespace tintara::munsell
