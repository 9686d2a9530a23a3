// A main window's view of the dialogues: a scripted instrument behind the
// port, scripted dialogs, a clock that moves on at every reading, and the
// message line and imported-file caption as they were last written.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "instruments/dialogue.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_serial_port.h"

namespace tintara::instruments::testing {

class DialogueTest : public ::testing::Test {
protected:
    DialogueTest() {
        clock.set(43200.0);
        clock.advanceOnRead(0.05);
        refl.fill(-1.0f);  // a curve no dialogue writes, to see what it touched
    }

    MeasureEnd run(const std::string& instName) { return measure(instName, context, state, refl); }
    void calibrateWith(const std::string& listText) { calibrate(listText, context, state); }

    // The same window in front of another instrument.
    DialogueContext contextFor(ui::SerialPort& other) {
        return {other, dialogs, clock, events, 1, context.showMessage, context.showImportedFile};
    }

    std::vector<std::string> messages() const { return dialogs.messages(); }
    bool refreshed(float value) const {
        for (std::size_t i = 1; i <= 40; ++i)
            if (refl[i] != value) return false;
        return true;
    }
    // The port was opened as often as it was closed, and is closed now.
    void expectClosed() const {
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.opens, port.closes);
    }

    ui::HeadlessClock clock;
    ui::ScriptedSerialPort port{clock};
    ui::HeadlessDialogs dialogs;
    ui::HeadlessEvents events;
    std::vector<std::string> lines;  // the message line, every text it was given
    std::string caption;
    DialogueContext context{port, dialogs, clock, events, 1,
                            [this](const std::string& text) { lines.push_back(text); },
                            [this](const std::string& text) { caption = text; }};
    MeasureState state;
    Reflectance refl{};
};

// A field of `width` characters holding `value` with `decimals` decimals.
inline std::string field(double value, int width, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

// The test curve: 21.5, 23, ... 80 percent at 360..750 nm.
inline double ramp(std::size_t i) { return 20.0 + 1.5 * static_cast<double>(i); }

}  // namespace tintara::instruments::testing
