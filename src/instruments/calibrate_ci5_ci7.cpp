// Calibration of the X-Rite Ci5 or Ci7: white ceramic, then black trap.
#include "instruments/dialogue_steps.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

namespace {

// The first call may find the instrument asleep: it is given up to 100 s to
// answer, but an answer later than 2 s counts as no answer.
bool wakeCi5Ci7(SerialDialogue& dialogue, const std::string& notConnected) {
    DialogueContext& context = dialogue.context();
    auto showSoFar = [&](const std::string& sofar) { showLine(context, quotedReply(sofar)); };
    std::string reply;
    const float wakeStart = dialogue.now();
    for (;;) {
        const float start = dialogue.now();
        dialogue.send("R\r");
        float elapsed = 0;
        dialogue.awaitReply(reply, Terminator::Prompt, 100, start, {.onPoll = showSoFar, .elapsed = &elapsed});
        if (elapsed > 2) {
            showLine(context, notConnected);
            return false;
        }
        dialogue.letEventsRun();
        if (!reply.empty() && (reply.front() == 'i' || reply.front() == 'I') && reply.back() == '>') return true;
        if (elapsedSince(context.clock, wakeStart) > wakeUpLimit) {
            showLine(context, std::string(dialogue.instrument().messageName) + " did not wake up");
            return false;
        }
    }
}

}  // namespace

void calibrateCi5Ci7(DialogueContext& context, const InstrumentDescription& instrument) {
    const std::string notConnected = std::string(instrument.messageName) + " not connected";
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !wakeCi5Ci7(dialogue, notConnected)) return;

    std::string reply;
    const float start = dialogue.now();
    dialogue.send("config -mode=sce\r");
    if (dialogue.awaitReply(reply, Terminator::Prompt, 2, start) == Wait::TimedOut) {
        showLine(context, notConnected);
        return;
    }
    dialogue.letEventsRun();

    xriteCalibrationStep(dialogue, "White Ceramic Calibration", "Instrument Calibration", "whitecal\r");
    xriteCalibrationStep(dialogue, "Black Trap Calibration", "Black Calibration", "blackcal\r");
}

}  // namespace tintara::instruments
