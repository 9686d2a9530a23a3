// The options of "tintara-cli measure".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tintara::cli {

struct MeasureOptions {
    ConvertOptions display;           // illuminant, PWD, gamma
    std::string instrument;           // an entry of the instrument list
    std::string port = "1";           // 1..4, or a device path
    std::optional<std::string> file;  // answers the file dialog of "Import %R"
};

// "measure INSTRUMENT [--port PORT] [--file FILE] [options]"; false with a
// message for an unknown instrument, none or more than one.
bool parseMeasureOptions(const std::vector<std::string>& args, MeasureOptions& options, std::string& error);

}  // namespace tintara::cli
