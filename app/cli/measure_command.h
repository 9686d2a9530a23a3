#pragma once

#include "cli_options.h"

namespace tintara::cli {

struct MeasureOptions {
    ConvertOptions display;           // illuminant, PWD, gamma
    std::string instrument;           // an entry of the instrument list
    std::string port = "1";           // 1..4, or a device path
    std::optional<std::string> file;  // answers the file dialog of "Import %R"
};

bool parseMeasureOptions(const std::vector<std::string>& args, MeasureOptions& options, std::string& error);

// Runs Measure (or "Import %R") for the instrument and prints the fields.
int runMeasure(const MeasureOptions& options, const char* argv0);

}  // namespace tintara::cli
