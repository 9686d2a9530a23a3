// Calibration of the X-Rite XTH: white, then open port.
#include "instruments/dialogue_steps.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

void calibrateXth(DialogueContext& context, const InstrumentDescription& instrument) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !wakeXth(dialogue, "XT Sleeping")) return;
    xriteCalibrationStep(dialogue, "White Calibration", "XT Calibration", "C\r");
    xriteCalibrationStep(dialogue, "Open Port Calibration", "XT Calibration", "B\r");
}

}  // namespace tintara::instruments
