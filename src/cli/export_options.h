// The options of "tintara-cli export-palette".
#pragma once

#include <string>
#include <vector>

namespace tintara::cli {

struct ExportOptions {
    std::string palette;
    std::string format;  // "gpl" or "css"
    std::string output;  // a file, or "-" for standard output
};

// "export-palette --format gpl|css PALETTE OUTPUT"; false with a message for
// anything else.
bool parseExportOptions(const std::vector<std::string>& args, ExportOptions& options, std::string& error);

}  // namespace tintara::cli
