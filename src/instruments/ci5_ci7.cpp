// Measurement with the X-Rite Ci5 or Ci7. Its failures go to the message line.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

const std::string notConnected = "Ci5/Ci7 not connected";

bool isAwake(const std::string& reply) {
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

}  // namespace

MeasureEnd measureCi5Ci7(DialogueContext& context, MeasureState& state, Reflectance& refl) {
    InstrumentPort port(context, "Ci5/Ci7");
    if (!port.isOpen()) return MeasureEnd::EarlyExit;

    std::string reply;
    const float wakeStart = clockNow(context.clock);
    for (;;) {
        reply.clear();
        port.send("R\r");
        if (replyWait(context, reply, Terminator::Prompt, 2, clockNow(context.clock))) {
            showLine(context, notConnected);
            return MeasureEnd::EarlyExit;
        }
        context.events.doEvents();
        if (isAwake(reply)) break;
        if (elapsedSince(context.clock, wakeStart) > wakeUpLimit) {
            showLine(context, "Ci5/Ci7 did not wake up");
            return MeasureEnd::EarlyExit;
        }
    }

    if (!state.sceConfigured) {
        reply.clear();
        port.send("config -mode=sce\r");
        if (replyWait(context, reply, Terminator::Prompt, 2, clockNow(context.clock))) {
            showLine(context, notConnected);
            return MeasureEnd::EarlyExit;
        }
        state.sceConfigured = true;
    }

    context.events.doEvents();
    reply.clear();
    port.send("measure\r");
    if (replyWait(context, reply, Terminator::Prompt, 10, clockNow(context.clock))) {
        showLine(context, notConnected);
        return MeasureEnd::EarlyExit;
    }

    if (const std::string rejected = takeReading(reply, parseCi5Ci7, "Ci5/Ci7", refl); !rejected.empty()) {
        showLine(context, rejected);
        return MeasureEnd::EarlyExit;
    }
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
