#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

void showBox(DialogueContext& context, const std::string& prompt) { context.dialogs.messageBox(prompt); }

void showLine(DialogueContext& context, const std::string& text) {
    if (context.showMessage) context.showMessage(text);
}

std::string stoppedAnswering(std::string_view instrument, std::string_view during) {
    return std::string(instrument) + " stopped answering during the " + std::string(during);
}

}  // namespace tintara::instruments
