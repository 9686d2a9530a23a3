// The options of "tintara-cli view".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

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

// "view PALETTE --png FILE | --list [--turn D] [--tilt D] [--zoom N]
// [--numbers] [options]"; false with a message for anything else.
bool parseViewOptions(const std::vector<std::string>& args, ViewOptions& options, std::string& error);

}  // namespace tintara::cli
