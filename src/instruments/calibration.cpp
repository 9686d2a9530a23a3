#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

namespace {

void runCalibration(const std::string& listText, DialogueContext& context) {
    if (listText == "Spectrolino" || listText == "SpectroEye") {
        // These instruments calibrate themselves from their own keys.
        showBox(context, "Follow users manual for Calibration of Spectrolino / SpectroEye");
    } else if (listText == "Ci5/Ci7") {
        calibrateCi5Ci7(context);
    } else if (listText == "XTH") {
        calibrateXth(context);
    } else if (listText == "CE2180") {
        calibrateCe2180(context);
    } else if (listText == "CE7000" || listText == "CE7000A") {
        calibrateCe7000(context, listText);
    } else if (listText == "Instrument") {
        context.dialogs.messageBox("No Instrument found - CE-7000 or CE-2180 only", platform::MessageButtons::OK,
                                   platform::MessageIcon::Critical);
    }
    // Any other text, such as the list's initial "Inst", does nothing.
}

}  // namespace

void calibrate(const std::string& listText, DialogueContext& context, MeasureState& state) {
    if (state.running) {
        showLine(context, std::string(alreadyRunningMessage));
        return;
    }
    RunningMark mark(state);
    runCalibration(listText, context);
}

}  // namespace tintara::instruments
