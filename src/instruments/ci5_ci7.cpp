// Measurement with the X-Rite Ci5 or Ci7. Its failures go to the message line.
#include "instruments/dialogue_steps.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

namespace {

bool isGreeting(const std::string& reply) {
    return !reply.empty() && (reply.front() == 'i' || reply.front() == 'I') && reply.back() == '>';
}

// Each value is found by its decimal point: the seven characters from three
// before the point hold a number with up to three integer digits.
ReadingFault parseCi5Ci7(std::string_view reply, Reflectance& reading) {
    std::size_t point = 0;  // 1-based position of the last point found
    for (std::size_t i = 1; i <= 40; ++i) {
        const auto found = reply.find('.', point);
        if (found == std::string_view::npos) return ReadingFault::Incomplete;
        point = found + 1;
        const ReadingFault fault = storeReading(numberField(reply, static_cast<long>(point) - 3, 7), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

// Sends a command and takes the reply that ends with the prompt; false, after
// "Ci5/Ci7 not connected", when it does not come within `limit` seconds.
bool ask(SerialDialogue& dialogue, const char* command, float limit, std::string& reply) {
    const float start = dialogue.now();
    dialogue.send(command);
    if (dialogue.awaitReply(reply, Terminator::Prompt, limit, start) == Wait::Arrived) return true;
    dialogue.report(std::string(dialogue.instrument().messageName) + " not connected");
    return false;
}

}  // namespace

MeasureEnd measureCi5Ci7(DialogueContext& context, const InstrumentDescription& instrument, MeasureState& state,
                         Reflectance& refl) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen()) return MeasureEnd::EarlyExit;

    std::string reply;
    const float wakeStart = dialogue.now();
    for (;;) {
        if (!ask(dialogue, "R\r", 2, reply)) return MeasureEnd::EarlyExit;
        dialogue.letEventsRun();
        if (isGreeting(reply)) break;
        if (elapsedSince(context.clock, wakeStart) > wakeUpLimit) {
            dialogue.report(std::string(instrument.messageName) + " did not wake up");
            return MeasureEnd::EarlyExit;
        }
    }
    if (!state.sceConfigured) {
        if (!ask(dialogue, "config -mode=sce\r", 2, reply)) return MeasureEnd::EarlyExit;
        state.sceConfigured = true;
    }
    dialogue.letEventsRun();
    if (!ask(dialogue, "measure\r", 10, reply)) return MeasureEnd::EarlyExit;
    return finishReading(dialogue, reply, parseCi5Ci7, refl);
}

}  // namespace tintara::instruments
