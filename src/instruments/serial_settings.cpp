#include "instruments/dialogue.h"

namespace tintara::instruments {

std::optional<SerialSettings> serialSettings(std::string_view instName) {
    using platform::Handshaking;
    if (instName == "CE7000" || instName == "CE7000A" || instName == "CE2180")
        return SerialSettings{"9600,N,8,1", Handshaking::None, false};
    if (instName == "XTH" || instName == "Ci5/Ci7") return SerialSettings{"38400,N,8,1", Handshaking::RtsCts, false};
    // The GretagMacbeth instruments draw on RTS and take a lower-case parity letter.
    if (instName == "Spectrolino" || instName == "SpectroEye")
        return SerialSettings{"9600,n,8,1", Handshaking::None, true};
    return std::nullopt;
}

}  // namespace tintara::instruments
