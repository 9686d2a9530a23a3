// The Color-Eye 2180: "v" greets, commands are single bytes, a status of 18
// characters answers them, and a measurement's data follow as a block of 290.
#include "instruments/color_eye.h"

namespace tintara::instruments {

namespace {

constexpr std::size_t dataBytes = 290;

// The block replaces the status as the reply.
Wait readCe2180Data(SerialDialogue& dialogue, std::string& reply) { return dialogue.takeBytes(reply, dataBytes); }

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

const ColorEyeDialect ce2180Dialect{"v", Terminator::Lf, "", 18, readCe2180Data, parseCe2180};

}  // namespace tintara::instruments
