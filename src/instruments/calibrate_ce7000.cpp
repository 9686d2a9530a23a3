// Calibration of the Macbeth Color-Eye 7000 or 7000A: open port, then white
// standard.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// Sends a command and takes its 19-byte answer.
bool exchange(DialogueContext& context, InstrumentPort& port, const char* command) {
    std::string answer;
    return exchangeBytes(context, port, command, 19, "CE-7000", "calibration", answer);
}

}  // namespace

void calibrateCe7000(DialogueContext& context, const std::string& instName) {
    InstrumentPort port(context, instName);
    if (!port.isOpen()) return;

    std::string reply;
    port.send("R");
    if (replyWait(context, reply, Terminator::Prompt, 5, clockNow(context.clock), {.letEvents = true})) {
        showBox(context, "CE-7000 not connected");
        return;
    }

    using platform::Answer, platform::MessageButtons;
    if (context.dialogs.messageBox("Open Port", MessageButtons::YesNoCancel) != Answer::Yes) return;
    if (!exchange(context, port, "I\r")) return;
    if (context.dialogs.messageBox("White Standard", MessageButtons::YesNoCancel) == Answer::Yes)
        exchange(context, port, "C\r");
}

}  // namespace tintara::instruments
