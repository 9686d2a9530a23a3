// Calibration of the X-Rite XTH: white, then open port.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

void calibrateXth(DialogueContext& context) {
    InstrumentPort port(context, "XTH");
    if (!port.isOpen() || !wakeXth(context, port, "XT Sleeping")) return;
    xriteCalibrationStep(context, port, "White Calibration", "XT Calibration", "C\r");
    xriteCalibrationStep(context, port, "Open Port Calibration", "XT Calibration", "B\r");
}

}  // namespace tintara::instruments
