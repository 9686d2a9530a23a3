// tintara-cli import and table: the service mode's "Import" and "Make Table"
// run in the current directory, the message boxes printed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli_options.h"

namespace tintara::cli {

struct ImportOptions {
    ConvertOptions display;              // illuminant, PWD, gamma
    std::string type;                    // the answer to "Type import"
    std::optional<std::string> file;     // answers the file dialog of "xyz" and "0"
    std::string palette = "ZOLpalette";  // answers the palette name box of "xyz"
};

bool parseImportOptions(const std::vector<std::string>& args, ImportOptions& options, std::string& error);

// Runs the import and prints what its message boxes say: notes on standard
// output, failures on standard error. Status 1 when the input could not be
// read, the run stopped, or a sample was not converted.
int runImport(const ImportOptions& options, const char* argv0);

// Makes the Munsell table; prints "Done", or the failure with status 1.
int runTable(const ConvertOptions& options, const char* argv0);

}  // namespace tintara::cli
