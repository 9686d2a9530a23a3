#include "instruments/dialogue_steps.h"

#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

void showBox(DialogueContext& context, const std::string& prompt) { context.dialogs.messageBox(prompt); }

void showLine(DialogueContext& context, const std::string& text) {
    if (context.showMessage) context.showMessage(text);
}

std::string stoppedAnswering(std::string_view instrument, std::string_view during) {
    return std::string(instrument) + " stopped answering during the " + std::string(during);
}

bool exchangeBytes(DialogueContext& context, InstrumentPort& port, const char* command, int count,
                   std::string_view instrument, std::string_view during, std::string& reply) {
    port.send(command);
    if (!waitForBytes(context, count)) {
        showBox(context, stoppedAnswering(instrument, during));
        return false;
    }
    reply = context.port.readAll();
    return true;
}

void xriteCalibrationStep(DialogueContext& context, InstrumentPort& port, const char* prompt, const char* title,
                          const char* command) {
    using platform::Answer, platform::MessageButtons, platform::MessageIcon;
    if (context.dialogs.messageBox(prompt, MessageButtons::OKCancel, MessageIcon::None, title) != Answer::OK) return;
    std::string reply;
    port.send(command);
    replyWait(context, reply, Terminator::Prompt, 10, clockNow(context.clock));
    showLine(context, reply);
}

}  // namespace tintara::instruments
