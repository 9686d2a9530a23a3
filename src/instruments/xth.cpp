// Measurement with the X-Rite XTH.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// Six-character values 8 apart, the first at position 19.
ReadingFault parseXth(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 40; ++i) {
        const ReadingFault fault = storeReading(numberField(reply, static_cast<long>(8 * i + 11), 6), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

// Wakes the XTH: "R" until it greets with "X...>". A silent instrument is
// reported as sleeping and asked again, up to wakeUpLimit in all.
bool wakeXth(DialogueContext& context, InstrumentPort& port, const std::string& sleeping) {
    std::string reply;
    const float wakeStart = clockNow(context.clock);
    for (;;) {
        port.send("R\r");
        reply.clear();
        if (replyWait(context, reply, Terminator::Prompt, 2, clockNow(context.clock))) showLine(context, sleeping);
        context.events.doEvents();
        if (reply.starts_with('X') && reply.ends_with('>')) return true;
        if (elapsedSince(context.clock, wakeStart) > wakeUpLimit) {
            showBox(context, "XTH did not wake up");
            return false;
        }
    }
}

MeasureEnd measureXth(DialogueContext& context, Reflectance& refl) {
    InstrumentPort port(context, "XTH");
    if (!port.isOpen() || !wakeXth(context, port, "XTH Sleeping")) return MeasureEnd::EarlyExit;

    const float start = clockNow(context.clock);
    port.send("M 8\r");
    std::string reply;
    if (!waitForBytes(context, 1, false)) {
        showBox(context, stoppedAnswering("XTH", "measurement"));
        return MeasureEnd::EarlyExit;
    }
    if (replyWait(context, reply, Terminator::Prompt, 5, start)) {
        showBox(context, "error in Measurement");
        return MeasureEnd::Tail;
    }
    if (!reply.starts_with("11")) {
        showBox(context, "Instrument Uncalibrated");
        return MeasureEnd::Tail;
    }

    if (const std::string rejected = takeReading(reply, parseXth, "XTH", refl); !rejected.empty()) {
        showBox(context, rejected);
        return MeasureEnd::EarlyExit;
    }
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
