// A main window started without a display, with the command line's options
// applied the way a person would set them. Message boxes go to standard error
// and are answered from the command line.
#pragma once

#include <memory>
#include <optional>

#include "cli/cli_options.h"
#include "instruments/config_file.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_clock.h"
#include "ui/qt/qt_event_pump.h"
#include "ui/qt/qt_picture_source.h"
#include "ui/qt/qt_serial_port.h"
#include "windows/window_set.h"
#include "workspace/form1.h"

namespace tintara::cli {

enum class Timing {
    Instant,  // conversions only: nothing waits on the clock, no serial port
    RealTime  // real serial ports and the event loop, for measuring
};

class CliWindow {
public:
    // Text on the windows' drawing surfaces is drawn in the headless font, the
    // same on every machine, unless another renderer is given (pictures of the
    // windows use the desktop's).
    explicit CliWindow(Timing timing = Timing::Instant, ui::TextRenderer* text = nullptr);
    // Starts the window, with this instrument instead of the configuration
    // file's when given, and applies the options; false with the message
    // printed when it cannot.
    bool start(const ConvertOptions& options, const char* argv0,
               std::optional<instruments::InstrumentConfig> instrument = std::nullopt);
    workspace::Form1& window() { return *window_; }
    // The companion windows, the same set the desktop program has.
    windows::WindowSet& companions() { return *companions_; }
    ui::HeadlessDialogs& dialogs() { return headless_.dialogs; }
    // The services the window was started with, for the windows the command
    // line makes beside it.
    ui::Platform& platform() { return platform_; }

private:
    ui::HeadlessPlatform headless_;
    ui::qt::QtClock clock_;
    ui::qt::QtEventPump events_;
    ui::qt::QtSerialPort serial_;
    ui::qt::QtPictureSource pictures_;
    ui::Platform platform_;
    std::unique_ptr<workspace::Form1> window_;
    std::unique_ptr<windows::WindowSet> companions_;  // goes before the main window
};

}  // namespace tintara::cli
