// A main window started without a display, with the command line's options
// applied the way a person would set them.
#pragma once

#include <memory>

#include "cli_options.h"
#include "ui/headless/headless_platform.h"
#include "workspace/form1.h"

namespace tintara::cli {

class CliWindow {
public:
    // Message boxes the window shows go to standard error.
    explicit CliWindow(ui::SerialPort* serial = nullptr);
    // Starts the window and applies the options; false with the message
    // printed when it cannot.
    bool start(const ConvertOptions& options, const char* argv0);
    workspace::Form1& window() { return *window_; }
    ui::HeadlessPlatform& platform() { return *platform_; }

private:
    std::unique_ptr<ui::HeadlessPlatform> platform_;
    std::unique_ptr<workspace::Form1> window_;
};

}  // namespace tintara::cli
