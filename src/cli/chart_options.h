// The options of "tintara-cli chart".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tintara::cli {

enum class ChartKind { Hue, Value, Tolerance, ColorChecker };

struct ChartOptions {
    ChartKind chart = ChartKind::Hue;
    ConvertOptions display;              // illuminant, PWD, gamma; words: FORM VALUES, if any
    std::string png;                     // the file to write
    std::optional<int> toleranceTenths;  // all three tolerance bars, 10..200
};

// "chart hue|value|tolerance|colorchecker [options] [FORM VALUES...] --png FILE";
// false with a message for anything else.
bool parseChartOptions(const std::vector<std::string>& args, ChartOptions& options, std::string& error);

}  // namespace tintara::cli
