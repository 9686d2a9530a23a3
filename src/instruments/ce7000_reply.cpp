// The Color-Eye 7000 and 7000A: "R" greets, commands end with CR, a status of
// 19 characters answers them, and a measurement runs on in the same reply.
#include "instruments/color_eye.h"

namespace tintara::instruments {

namespace {

// The whole reply is longer than this once the data have come.
constexpr std::size_t replyLength = 421;

Wait readCe7000Data(SerialDialogue& dialogue, std::string& reply) {
    return dialogue.awaitLongerThan(reply, replyLength);
}

// Seven-character values 10 apart, at positions 21, 31, ... 411.
ReadingFault parseCe7000(std::string_view reply, Reflectance& reading) {
    for (std::size_t i = 1; i <= 40; ++i) {
        const ReadingFault fault = storeReading(numberField(reply, static_cast<long>(10 * i + 11), 7), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

const ColorEyeDialect ce7000Dialect{"R", Terminator::Prompt, "\r", 19, readCe7000Data, parseCe7000};

}  // namespace tintara::instruments
