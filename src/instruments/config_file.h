// The two-line configuration file that keeps the instrument and its serial
// port between runs.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tintara::instruments {

struct InstrumentConfig {
    std::string instName;  // one of the instrument list's entries, or empty
    int commPort = 1;      // 1..4
};

// Line 1 is read as one field up to a comma or the line end, line 2 as a whole
// number with blanks around it. Nothing when the file has fewer than two lines
// or line 2 is not a whole number that fits 16 bits.
std::optional<InstrumentConfig> readConfig(std::istream& in);

// The file's text: the name, then the port with a blank before and after it,
// each line ended by CR LF.
std::string configText(const InstrumentConfig& config);

}  // namespace tintara::instruments
