#pragma once

#include "cli/cli_options.h"
#include "workspace/form1.h"

namespace tintara::cli {

// Runs "convert": one entry from the command line, or one per line of standard
// input written as CSV. Returns the process exit status.
int runConvert(const ConvertOptions& options, const char* argv0);

// Runs "save-palette FILE TAG FORM VALUES...": converts like convert and
// appends the colour's record to FILE.
int runSavePalette(const ConvertOptions& options, const char* argv0);

// Prints every field as name=text lines.
void printFields(const workspace::Form1& window);

}  // namespace tintara::cli
