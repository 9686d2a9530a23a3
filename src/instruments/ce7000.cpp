// Measurement with the Macbeth Color-Eye 7000 or 7000A.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// The whole reply is longer than this once the data have come.
constexpr std::size_t replyLength = 421;

// Seven-character values 10 apart, at positions 21, 31, ... 411.
ReadingFault parseCe7000(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 40; ++i) {
        const ReadingFault fault = storeReading(numberField(reply, static_cast<long>(10 * i + 11), 7), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

// Appends the input, letting events run, until the reply is complete; false
// when the instrument falls silent first.
bool collectData(DialogueContext& context, std::string& reply) {
    const float start = clockNow(context.clock);
    while (reply.size() <= replyLength) {
        reply += context.port.readAll();
        context.events.doEvents();
        if (reply.size() <= replyLength && elapsedSince(context.clock, start) > byteWaitLimit) return false;
    }
    return true;
}

}  // namespace

MeasureEnd measureCe7000(DialogueContext& context, const std::string& instName, Reflectance& refl) {
    InstrumentPort port(context, instName);
    if (!port.isOpen()) return MeasureEnd::EarlyExit;

    std::string reply;
    port.send("R");
    if (replyWait(context, reply, Terminator::Prompt, 5, clockNow(context.clock), {.letEvents = true})) {
        showBox(context, "CE-7000 not connected");
        return MeasureEnd::EarlyExit;
    }

    if (!exchangeBytes(context, port, "M\r", 19, "CE-7000", "measurement", reply)) return MeasureEnd::EarlyExit;
    if (!reply.starts_with("11")) {
        showBox(context, "Calibrate Instrument");
        return MeasureEnd::Tail;
    }
    if (!collectData(context, reply)) {
        showBox(context, stoppedAnswering("CE-7000", "measurement"));
        return MeasureEnd::EarlyExit;
    }

    if (const std::string rejected = takeReading(reply, parseCe7000, "CE-7000", refl); !rejected.empty()) {
        showBox(context, rejected);
        return MeasureEnd::EarlyExit;
    }
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
