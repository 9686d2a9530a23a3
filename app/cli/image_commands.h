// "palette-from-image" and "image-notation": the image window without a
// display. The picture is read with the desktop's picture loader (JPEG or
// PNG, no display needed) and shown in the very window logic the desktop
// program uses; the command line gives the answers a person would type.
#pragma once

#include "cli/image_options.h"

namespace tintara::cli {

// Each returns the process exit status.
int runPaletteFromImage(const PaletteFromImageOptions& options, const char* argv0);
int runImageNotation(const ImageNotationOptions& options, const char* argv0);

}  // namespace tintara::cli
