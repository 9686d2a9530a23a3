// The Munsell table file "muntable2.prn": a grid of hue, value and chroma with
// its X, Y, Z, L*a*b* and display RGB, tab-separated, for a spreadsheet or a
// word processor.
#pragma once

#include <string>
#include <string_view>

#include "colorimetry/conditions.h"
#include "colorimetry/display.h"
#include "munsell/renotation_table.h"

namespace tintara::datafiles {

inline constexpr std::string_view munsellTableFile = "muntable2.prn";

// What the table's numbers depend on: the main window's illuminant, display
// settings and PWD option when the table is made.
struct MunsellTableSettings {
    colorimetry::Condition condition = colorimetry::Condition::C2;
    colorimetry::DisplaySettings display;
    bool pwd = false;
};

struct MunsellTable {
    std::string text;  // every line, CR LF ended
    int rows = 0;      // grid points written, at most 12 x 40 x 20 = 9600
};

// Line 1 is `titleLine`; line 2 the gamut note; line 3 the column names; then
// one line per grid point inside the renotation data, value outermost (1 to 8,
// then 8.25 to 9 in quarters), then hue (0 to 97.5 in steps of 2.5), then
// chroma (0 to 8, then 10 to 30 in steps of 2). A point's colour is converted
// at its hue number plus 0.001 and written under the hue notation of the
// number itself; a point with X, Y or Z at or below 0.01 lies outside the data
// and is left out.
MunsellTable munsellTable(const munsell::RenotationTable& table, const MunsellTableSettings& settings,
                          std::string_view titleLine);

}  // namespace tintara::datafiles
