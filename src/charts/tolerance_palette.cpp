#include "charts/tolerance_palette.h"

#include <system_error>

#include "datafiles/palette_record.h"
#include "textio/numbertext.h"
#include "textio/printstyle.h"

namespace tintara::charts {

namespace {
// The fields of the palette record the tolerance palette leaves at 0: X, Y, Z,
// L*, a*, b* and the linear R, G, B.
constexpr int placeholders = 9;
}  // namespace

std::string tolerancePaletteLine(const std::string& date, const std::string& time, int chip,
                                 const std::array<std::string, 3>& hvc, const std::array<std::int16_t, 3>& rgb) {
    std::string line = date + "," + time + "," + textio::signedNumber(float(chip));
    for (const std::string& field : hvc) line += "," + field;
    for (int i = 0; i < placeholders; ++i) line += ",0";
    for (std::int16_t component : rgb) line += "," + std::to_string(component);
    return line + ",end" + std::string(textio::lineEnd);
}

}  // namespace tintara::charts
