// Measurement with the Macbeth Color-Eye 2180.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// Six-character values 7 apart with one more character after every sixth:
// positions 1, 8, 15, 22, 29, 36, 44, 51, ...
ReadingFault parseCe2180(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 40; ++i) {
        const std::size_t k = (i - 1) / 6;
        const auto position = static_cast<long>(7 * i + k) - 6;
        const ReadingFault fault = storeReading(numberField(reply, position, 6), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

MeasureEnd measureCe2180(DialogueContext& context, Reflectance& refl) {
    InstrumentPort port(context, "CE2180");
    if (!port.isOpen()) return MeasureEnd::EarlyExit;

    std::string reply;
    port.send("v");
    if (replyWait(context, reply, Terminator::Lf, 5, clockNow(context.clock), {.letEvents = true})) {
        showBox(context, "CE-2180 not connected");
        return MeasureEnd::EarlyExit;
    }

    if (!exchangeBytes(context, port, "M", 18, "CE-2180", "measurement", reply)) return MeasureEnd::EarlyExit;
    if (!reply.starts_with("11")) {
        showBox(context, "Calibrate Instrument");
        return MeasureEnd::Tail;
    }
    // The data block follows the 18-byte header and is read on its own.
    if (!waitForBytes(context, 290)) {
        showBox(context, stoppedAnswering("CE-2180", "measurement"));
        return MeasureEnd::EarlyExit;
    }
    reply = context.port.readAll();

    if (const std::string rejected = takeReading(reply, parseCe2180, "CE-2180", refl); !rejected.empty()) {
        showBox(context, rejected);
        return MeasureEnd::EarlyExit;
    }
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
