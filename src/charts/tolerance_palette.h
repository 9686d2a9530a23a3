// "Cpalette.csv", the palette the tolerance chart saves: one line per chip in
// the field order of the palette record up to the blue component (date, time,
// chip number, hue, value, chroma, nine placeholders, R, G, B), then "end"
// where the record has its inks. The palette viewer reads fields 3 to 6.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tintara::charts {

// One line, ended by CR LF. The date is written without commas
// ("MM-DD-YYYY") so that it stays one field; the chip number as the system
// writes numbers in text, with a blank before it.
std::string tolerancePaletteLine(const std::string& date, const std::string& time, int chip,
                                 const std::array<std::string, 3>& hvc, const std::array<std::int16_t, 3>& rgb);

}  // namespace tintara::charts
