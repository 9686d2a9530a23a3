// The options tintara-cli shares between its commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "colorimetry/conditions.h"

namespace tintara::cli {

struct ConvertOptions {
    colorimetry::Condition illuminant = colorimetry::Condition::C2;
    bool pwd = false;
    std::optional<std::string> gamma;
    std::vector<std::string> words;  // FORM and VALUES
};

// Parses the options before and among the words; false with a message on
// unknown options, missing option values, an unknown illuminant or a gamma
// that is not a plain decimal number from 1 to 3.
bool parseConvertOptions(const std::vector<std::string>& args, ConvertOptions& options, std::string& error);

}  // namespace tintara::cli
