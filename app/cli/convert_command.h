#pragma once

#include "cli_options.h"

namespace tintara::cli {

// Runs "convert": one entry from the command line, or one per line of standard
// input written as CSV. Returns the process exit status.
int runConvert(const ConvertOptions& options, const char* argv0);

}  // namespace tintara::cli
