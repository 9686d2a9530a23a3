// Calibration of the X-Rite XTH: white, then open port.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

void calibrationStep(DialogueContext& context, InstrumentPort& port, const char* prompt, const char* command) {
    using ui::Answer, ui::MessageButtons, ui::MessageIcon;
    if (context.dialogs.messageBox(prompt, MessageButtons::OKCancel, MessageIcon::None, "XT Calibration") != Answer::OK)
        return;
    std::string reply;
    port.send(command);
    replyWait(context, reply, Terminator::Prompt, 10, clockNow(context.clock));
    showLine(context, reply);
}

}  // namespace

void calibrateXth(DialogueContext& context) {
    InstrumentPort port(context, "XTH");
    if (!port.isOpen() || !wakeXth(context, port, "XT Sleeping")) return;
    calibrationStep(context, port, "White Calibration", "C\r");
    calibrationStep(context, port, "Open Port Calibration", "B\r");
}

}  // namespace tintara::instruments
