// "view": the palette viewer without a display. It loads a palette the way
// the viewer does (every sample converted through the main window) and draws
// the 3D display into a PNG file, or prints the sample list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli_options.h"

namespace tintara::cli {

struct ViewOptions {
    ConvertOptions display;  // illuminant, PWD, gamma; the palette file in words
    int turn = 0;            // rotation, -180..180 degrees
    int tilt = 75;           // 90 a side view, 0 from above
    int zoom = 20;           // half the width shown, 1..40 chroma steps
    bool numbers = false;    // "Display sample #"
    bool list = false;
    std::optional<std::string> png;
};

bool parseViewOptions(const std::vector<std::string>& args, ViewOptions& options, std::string& error);

// Returns the process exit status.
int runView(const ViewOptions& options, const char* argv0);

}  // namespace tintara::cli
