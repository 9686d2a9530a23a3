#include "cli_window.h"

#include <iostream>

#include "textio/formats.h"

namespace tintara::cli {

namespace {
ui::Platform platformFor(Timing timing, ui::HeadlessPlatform& headless, ui::Clock& clock, ui::EventPump& events,
                         ui::SerialPort& serial) {
    if (timing == Timing::Instant) return headless.platform();
    return ui::Platform{headless.dialogs, clock, events, headless.beeper, headless.printer, serial};
}
}  // namespace

CliWindow::CliWindow(Timing timing) : platform_(platformFor(timing, headless_, clock_, events_, serial_)) {
    headless_.dialogs.onShow = [](const ui::ShownDialog& d) {
        if (d.kind == ui::ShownDialog::Kind::Message) std::cerr << d.prompt << '\n';
    };
}

bool CliWindow::start(const ConvertOptions& options, const char* argv0,
                      std::optional<instruments::InstrumentConfig> instrument) {
    window_ = std::make_unique<workspace::Form1>(platform_, workspace::FileLocations::forProgram(argv0));
    if (instrument) window_->presetConfiguration(*instrument);
    std::string error;
    if (!window_->Form_Load(error)) {
        std::cerr << "tintara-cli: " << error << '\n';
        return false;
    }
    if (options.illuminant != 0) window_->Option1[options.illuminant].select();
    if (options.pwd) window_->Check1.setValue(1);
    if (options.gamma) {
        const auto gamma = textio::parseNumber(*options.gamma);
        if (!gamma || *gamma < 1 || *gamma > 3) {
            std::cerr << "tintara-cli: gamma must be a number from 1 to 3\n";
            return false;
        }
        ui::TextBox& box = window_->Text5;
        box.select(0, int(box.text().size()));
        box.type(*options.gamma);
    }
    return true;
}

}  // namespace tintara::cli
