#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

void calibrate(const std::string& listText, DialogueContext& context, MeasureState& state) {
    if (state.running) {
        showLine(context, std::string(alreadyRunningMessage));
        return;
    }
    RunningMark mark(state);
    if (const InstrumentDescription* instrument = findInstrument(listText)) {
        if (instrument->calibrate) instrument->calibrate(context, *instrument);
    } else if (listText == "Instrument") {
        context.dialogs.messageBox("No Instrument found - CE-7000 or CE-2180 only", platform::MessageButtons::OK,
                                   platform::MessageIcon::Critical);
    }
    // Any other text, such as the list's initial "Inst", does nothing.
}

}  // namespace tintara::instruments
