// Measurement with the GretagMacbeth Spectrolino or SpectroEye. They report
// 36 fractions for 380..730 nm; the two wavelengths at each end keep their
// previous values.
#include "instruments/dialogue_steps.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

namespace {

// 250 bytes of 255 wake the instrument's interface before every request.
const std::string wakePrefix(250, '\xFF');

// Six-character fractions 7 apart, at positions 11, 18, ... 256.
ReadingFault parseSpectroEye(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 36; ++i) {
        const ReadingFault fault =
            storeReading(numberField(reply, static_cast<long>(7 * i + 4), 6), reading[i + 2], 100);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

MeasureEnd measureSpectroEye(DialogueContext& context, const InstrumentDescription& instrument, MeasureState&,
                             Reflectance& refl) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen()) return MeasureEnd::EarlyExit;
    const std::string name(instrument.messageName);

    std::string reply;
    float start = dialogue.now();
    dialogue.send(wakePrefix + "; 32\r\n");
    if (dialogue.awaitReply(reply, Terminator::CrLf, 5, start) == Wait::TimedOut) {
        showBox(context, name + " not responding - Settings serial 9600 handshake=No");
        return MeasureEnd::EarlyExit;
    }
    showLine(context, quotedReply(reply));

    start = dialogue.now();
    dialogue.send(wakePrefix + "; 184 9 0\r\n");
    if (dialogue.awaitReply(reply, Terminator::CrLf, 5, start) == Wait::TimedOut) {
        showBox(context, name + " data not returned - message=" + quotedReply(reply));
        return MeasureEnd::EarlyExit;
    }
    return finishReading(dialogue, reply, parseSpectroEye, refl);
}

}  // namespace tintara::instruments
