// Calibration of the X-Rite Ci5 or Ci7: white ceramic, then black trap.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

const std::string notConnected = "Ci5/Ci7 not connected";

// The first call may find the instrument asleep: it is given up to 100 s to
// answer, but an answer later than 2 s counts as no answer.
bool wakeCi5Ci7(DialogueContext& context, InstrumentPort& port) {
    std::string reply;
    const float wakeStart = clockNow(context.clock);
    for (;;) {
        reply.clear();
        port.send("R\r");
        float elapsed = 0;
        replyWait(context, reply, Terminator::Prompt, 100, clockNow(context.clock),
                  {.onPoll = [&](const std::string& sofar) { showLine(context, sofar); }, .elapsed = &elapsed});
        if (elapsed > 2) {
            showLine(context, notConnected);
            return false;
        }
        context.events.doEvents();
        if (!reply.empty() && (reply.front() == 'i' || reply.front() == 'I') && reply.back() == '>') return true;
        if (elapsedSince(context.clock, wakeStart) > wakeUpLimit) {
            showLine(context, "Ci5/Ci7 did not wake up");
            return false;
        }
    }
}

}  // namespace

void calibrateCi5Ci7(DialogueContext& context) {
    InstrumentPort port(context, "Ci5/Ci7");
    if (!port.isOpen() || !wakeCi5Ci7(context, port)) return;

    std::string reply;
    port.send("config -mode=sce\r");
    if (replyWait(context, reply, Terminator::Prompt, 2, clockNow(context.clock))) {
        showLine(context, notConnected);
        return;
    }
    context.events.doEvents();

    xriteCalibrationStep(context, port, "White Ceramic Calibration", "Instrument Calibration", "whitecal\r");
    xriteCalibrationStep(context, port, "Black Trap Calibration", "Black Calibration", "blackcal\r");
}

}  // namespace tintara::instruments
