#include "instruments/dialogue_steps.h"

#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

void showBox(DialogueContext& context, const std::string& prompt) { context.dialogs.messageBox(prompt); }

void showLine(DialogueContext& context, const std::string& text) {
    if (context.showMessage) context.showMessage(text);
}

void report(DialogueContext& context, const InstrumentDescription& instrument, const std::string& message) {
    if (instrument.reports == ReportPlace::MessageLine)
        showLine(context, message);
    else
        showBox(context, message);
}

std::string stoppedAnswering(std::string_view instrument, std::string_view during) {
    return std::string(instrument) + " stopped answering during the " + std::string(during);
}

MeasureEnd finishReading(SerialDialogue& dialogue, std::string_view reply, ReplyParser parse, Reflectance& refl) {
    const ReadingFault fault = takeReading(reply, parse, refl);
    if (fault == ReadingFault::None) return MeasureEnd::NewReading;
    dialogue.report(rejectionMessage(dialogue.instrument().messageName, fault));
    return MeasureEnd::EarlyExit;
}

void xriteCalibrationStep(SerialDialogue& dialogue, const char* prompt, const char* title, const char* command) {
    using platform::Answer, platform::MessageButtons, platform::MessageIcon;
    DialogueContext& context = dialogue.context();
    if (context.dialogs.messageBox(prompt, MessageButtons::OKCancel, MessageIcon::None, title) != Answer::OK) return;
    std::string reply;
    const float start = dialogue.now();
    dialogue.send(command);
    dialogue.awaitReply(reply, Terminator::Prompt, 10, start);
    showLine(context, quotedReply(reply));
}

void calibrateOnTheInstrument(DialogueContext& context, const InstrumentDescription&) {
    showBox(context, "Follow users manual for Calibration of Spectrolino / SpectroEye");
}

}  // namespace tintara::instruments
