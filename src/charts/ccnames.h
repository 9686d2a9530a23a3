// "ccnames.csv": the Munsell notations of the 24 ColorChecker patches, a header
// line and then one record a line, five comma-separated fields each: a number
// (ignored), the patch's name, its hue notation, value and chroma.
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>

namespace tintara::charts {

inline constexpr int patchCount = 24;

// A patch as read: its hue names a family, its value and chroma are numbers.
struct PatchNotation {
    std::string name, hue, value, chroma;
};

struct PatchNotations {
    std::array<std::optional<PatchNotation>, patchCount> patches;  // in chart order; none when not read
    // The first thing wrong with the file, naming it and the line; empty when
    // all 24 records were read whole.
    std::string problem;
};

// Reads the records after the header line; blank lines are passed over. A
// record with fewer than five fields, a hue without a family symbol or a
// value or chroma that is not a number leaves its patch unread, and the first
// such record is named with its line; records after the 24th are not read.
PatchNotations readPatchNotations(std::istream& in, const std::string& fileName);

}  // namespace tintara::charts
