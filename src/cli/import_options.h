// The options of "tintara-cli import".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tintara::cli {

struct ImportOptions {
    ConvertOptions display;              // illuminant, PWD, gamma
    std::string type;                    // the answer to "Type import"
    std::optional<std::string> file;     // answers the file dialog of "xyz" and "0"
    std::string palette = "ZOLpalette";  // answers the palette name box of "xyz"
};

// "import TYPE [FILE] [--palette NAME] [options]": FILE for the types that
// ask for their input, none for the others; false with a message otherwise.
bool parseImportOptions(const std::vector<std::string>& args, ImportOptions& options, std::string& error);

}  // namespace tintara::cli
