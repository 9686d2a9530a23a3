// Measurement with the GretagMacbeth Spectrolino or SpectroEye. They report
// 36 fractions for 380..730 nm; the two wavelengths at each end keep their
// previous values.
#include "instruments/dialogue_steps.h"
#include "instruments/instrument_port.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

namespace {

// 250 bytes of 255 wake the instrument's interface before every request.
const std::string wakePrefix(250, '\xFF');

// Six-character fractions 7 apart, at positions 11, 18, ... 256.
ReadingFault parseSpectroEye(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 36; ++i) {
        std::optional<double> percent = numberField(reply, static_cast<long>(7 * i + 4), 6);
        if (percent) *percent *= 100.0;
        const ReadingFault fault = storeReading(percent, reading[i + 2]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

MeasureEnd measureSpectroEye(DialogueContext& context, const std::string& instName, Reflectance& refl) {
    InstrumentPort port(context, instName);
    if (!port.isOpen()) return MeasureEnd::EarlyExit;

    std::string reply;
    float start = clockNow(context.clock);
    port.send(wakePrefix + "; 32\r\n");
    if (replyWait(context, reply, Terminator::CrLf, 5, start)) {
        showBox(context, "SpectroEye not responding - Settings serial 9600 handshake=No");
        return MeasureEnd::EarlyExit;
    }
    showLine(context, reply);

    reply.clear();
    start = clockNow(context.clock);
    port.send(wakePrefix + "; 184 9 0\r\n");
    if (replyWait(context, reply, Terminator::CrLf, 5, start)) {
        showBox(context, "SpectroEye data not returned - message=" + reply);
        return MeasureEnd::EarlyExit;
    }

    if (const std::string rejected = takeReading(reply, parseSpectroEye, "SpectroEye", refl); !rejected.empty()) {
        showBox(context, rejected);
        return MeasureEnd::EarlyExit;
    }
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
