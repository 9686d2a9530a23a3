// tintara-cli chart: a chart window drawn for one colour, written as a PNG.
#pragma once

#include "cli/chart_options.h"

namespace tintara::cli {

// Starts the main window, enters the colour (the start-up colour when none is
// given), ticks the chart's box as a person would, and writes a picture of the
// chart window. Returns the process exit status.
int runChart(const ChartOptions& options, const char* argv0);

}  // namespace tintara::cli
