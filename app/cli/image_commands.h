// "palette-from-image" and "image-notation": the image window without a
// display. The picture is read with the desktop's picture loader (JPEG or
// PNG, no display needed) and shown in the very window logic the desktop
// program uses; the command line gives the answers a person would type.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tintara::cli {

struct PaletteFromImageOptions {
    ConvertOptions display;  // illuminant, PWD, gamma; the picture in words
    int granularity = 0;     // n: the palette's blocks are n x n pixels
    std::string out;         // the palette file (".csv" added unless it ends so)
};

struct ImageNotationOptions {
    ConvertOptions display;
    int x = 0, y = 0;                // the pixel
    std::optional<int> granularity;  // the palette block holding the pixel; else a click's 81-pixel block
};

bool parsePaletteFromImageOptions(const std::vector<std::string>& args, PaletteFromImageOptions& options,
                                  std::string& error);
bool parseImageNotationOptions(const std::vector<std::string>& args, ImageNotationOptions& options, std::string& error);

// Each returns the process exit status.
int runPaletteFromImage(const PaletteFromImageOptions& options, const char* argv0);
int runImageNotation(const ImageNotationOptions& options, const char* argv0);

}  // namespace tintara::cli
