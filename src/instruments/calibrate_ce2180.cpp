// Calibration of the Macbeth Color-Eye 2180: white standard, then open port.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// Sends a command and takes its 18-byte answer.
bool exchange(DialogueContext& context, InstrumentPort& port, const char* command) {
    std::string answer;
    return exchangeBytes(context, port, command, 18, "CE-2180", "calibration", answer);
}

}  // namespace

void calibrateCe2180(DialogueContext& context) {
    InstrumentPort port(context, "CE2180");
    if (!port.isOpen()) return;

    std::string reply;
    port.send("v");
    if (replyWait(context, reply, Terminator::Lf, 5, clockNow(context.clock), {.letEvents = true})) {
        showBox(context, "CE-2180 not connected");
        return;
    }
    if (!exchange(context, port, "K")) return;

    using platform::Answer, platform::MessageButtons;
    const Answer white = context.dialogs.messageBox("White Standard", MessageButtons::YesNoCancel);
    if (white == Answer::Cancel) return;
    if (white == Answer::Yes && !exchange(context, port, "C")) return;
    if (context.dialogs.messageBox("Open Port", MessageButtons::YesNoCancel) == Answer::Yes)
        exchange(context, port, "B");
}

}  // namespace tintara::instruments
