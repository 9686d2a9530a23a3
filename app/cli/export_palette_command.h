// "export-palette": a palette file as a GIMP palette (.gpl, read by GIMP,
// Inkscape and Krita) or as CSS custom properties, from the R, G, B each
// record holds.
#pragma once

#include "cli/export_options.h"

namespace tintara::cli {

// Returns the process exit status.
int runExportPalette(const ExportOptions& options);

}  // namespace tintara::cli
