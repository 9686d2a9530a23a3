// "view": the palette viewer without a display. It loads a palette the way
// the viewer does (every sample converted through the main window) and draws
// the 3D display into a PNG file, or prints the sample list.
#pragma once

#include "cli/view_options.h"

namespace tintara::cli {

// Returns the process exit status.
int runView(const ViewOptions& options, const char* argv0);

}  // namespace tintara::cli
