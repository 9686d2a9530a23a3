// "export-palette": a palette file as a GIMP palette (.gpl, read by GIMP,
// Inkscape and Krita) or as CSS custom properties, from the R, G, B each
// record holds.
#pragma once

#include <string>
#include <vector>

namespace tintara::cli {

struct ExportOptions {
    std::string palette;
    std::string format;  // "gpl" or "css"
    std::string output;  // a file, or "-" for standard output
};

bool parseExportOptions(const std::vector<std::string>& args, ExportOptions& options, std::string& error);

// Returns the process exit status.
int runExportPalette(const ExportOptions& options);

}  // namespace tintara::cli
