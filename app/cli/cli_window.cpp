#include "cli_window.h"

#include <iostream>

#include "workspace/typed_entry.h"

namespace tintara::cli {

namespace {
// Pictures come from real files and the date and time from the system clock
// in both timings (palette records carry them); text is drawn by the renderer
// given.
ui::Platform platformFor(Timing timing, ui::HeadlessPlatform& headless, ui::Clock& clock, ui::EventPump& events,
                         ui::SerialPort& serial, ui::PictureSource& pictures, ui::TextRenderer& text) {
    if (timing == Timing::Instant) {
        ui::Platform p = headless.platform();
        return ui::Platform{p.dialogs, clock, p.events, p.beeper, p.printer, p.serial, text, pictures};
    }
    return ui::Platform{headless.dialogs, clock, events, headless.beeper, headless.printer, serial, text, pictures};
}
}  // namespace

CliWindow::CliWindow(Timing timing, ui::TextRenderer* text)
    : platform_(platformFor(timing, headless_, clock_, events_, serial_, pictures_, text ? *text : headless_.text)) {
    headless_.dialogs.onShow = [](const ui::ShownDialog& d) {
        if (d.kind == ui::ShownDialog::Kind::Message) std::cerr << d.prompt << '\n';
    };
}

bool CliWindow::start(const ConvertOptions& options, const char* argv0,
                      std::optional<instruments::InstrumentConfig> instrument) {
    const workspace::FileLocations files = workspace::FileLocations::forProgram(argv0);
    window_ = std::make_unique<workspace::Form1>(platform_, files);
    companions_ = std::make_unique<windows::WindowSet>(*window_, platform_, files);
    window_->setCompanions(companions_.get());
    if (instrument) window_->presetConfiguration(*instrument);
    std::string error;
    if (!window_->Form_Load(error)) {
        std::cerr << "tintara-cli: " << error << '\n';
        return false;
    }
    // The window starts under illuminant C, with PWD clear and gamma 2.2.
    if (options.illuminant != colorimetry::Condition::C2) workspace::chooseIlluminant(*window_, options.illuminant);
    if (options.pwd) workspace::setPwd(*window_, true);
    if (options.gamma && !workspace::typeGamma(*window_, *options.gamma)) {
        std::cerr << "tintara-cli: gamma must be a number from 1 to 3\n";
        return false;
    }
    return true;
}

}  // namespace tintara::cli
