// The serial dialogues with the supported spectrophotometers, and the
// reflectance-file import that stands in the same place in the instrument list.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "instruments/spectral.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/serial_port.h"

namespace tintara::instruments {

// What a dialogue uses of the main window and the platform.
struct DialogueContext {
    platform::SerialPort& port;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::EventPump& events;
    int commPort = 1;
    std::function<void(const std::string&)> showMessage;       // the message line
    std::function<void(const std::string&)> showImportedFile;  // the imported-file caption
};

// Kept by the main window for its whole life.
struct MeasureState {
    bool sceConfigured = false;  // the Ci5/Ci7 has taken its measurement-mode command
    // A measurement or calibration is under way. Its waits let events run, so a
    // second Measure or Calibrate press can arrive in the middle of it; while
    // this is set, measure() and calibrate() refuse to start another dialogue.
    bool running = false;
};

// What the message line shows when a second dialogue is refused.
inline constexpr std::string_view alreadyRunningMessage = "A measurement or calibration is already running";

enum class MeasureEnd {
    NewReading,     // a new curve is in refl: integrate it and show it
    PreviousCurve,  // after a message, the curve already in refl is shown again
    EarlyExit       // leave the curve and the window as they were
};

// Runs the measurement dialogue of the instrument named by the list (or the
// "Import" file read) and leaves the reading in refl. The port is closed on
// every way out. A reading that cannot be trusted is rejected with a message
// and leaves refl unchanged. A name that is not on the list shows the previous
// curve again. While state.running is set it only puts alreadyRunningMessage
// on the message line and returns EarlyExit.
MeasureEnd measure(const std::string& instName, DialogueContext& context, MeasureState& state, Reflectance& refl);

// Leads the person through the calibration of the instrument named by the list.
// Refused like measure() while state.running is set.
void calibrate(const std::string& listText, DialogueContext& context, MeasureState& state);

}  // namespace tintara::instruments
