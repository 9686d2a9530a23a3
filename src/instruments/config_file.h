// The two-line configuration file that keeps the instrument and its serial
// port between runs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintara::instruments {

struct InstrumentConfig {
    std::string instName;  // one of the instrument list's entries, or empty
    int commPort = 1;      // 1..4
};

// Far more than two short lines: a larger file is not a configuration.
inline constexpr std::size_t configFileLimit = 4096;

// The serial port number as the program keeps it: 1..4, anything else 1.
int portWithinRange(int port);

// Line 1 is read as one field up to a comma or the line end, line 2 as a whole
// number with blanks around it, a port outside 1..4 taken as 1. Nothing when
// the text has fewer than two lines or line 2 is not a whole number that fits
// 16 bits.
std::optional<InstrumentConfig> readConfig(std::string_view text);

// The file's text: the name, then the port with a blank before and after it,
// each line ended by CR LF.
std::string configText(const InstrumentConfig& config);

}  // namespace tintara::instruments
