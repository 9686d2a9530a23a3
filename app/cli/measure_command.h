// tintara-cli measure: Measure (or "Import %R") through the main window.
#pragma once

#include "cli/measure_options.h"

namespace tintara::cli {

// Runs Measure (or "Import %R") for the instrument and prints the fields.
int runMeasure(const MeasureOptions& options, const char* argv0);

}  // namespace tintara::cli
