// tintara-cli import and table: the service mode's "Import" and "Make Table"
// run in the current directory, the message boxes printed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/import_options.h"

namespace tintara::cli {

// Runs the import and prints what its message boxes say: notes on standard
// output, failures on standard error. Status 1 when the input could not be
// read, the run stopped, or a sample was not converted.
int runImport(const ImportOptions& options, const char* argv0);

// Makes the Munsell table; prints "Done", or the failure with status 1.
int runTable(const ConvertOptions& options, const char* argv0);

}  // namespace tintara::cli
