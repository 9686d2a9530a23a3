#include <algorithm>

#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

namespace {

using platform::Handshaking;
constexpr SerialSettings colorEyeLine{"9600,N,8,1", Handshaking::None, false};
constexpr SerialSettings xriteLine{"38400,N,8,1", Handshaking::RtsCts, false};
// The GretagMacbeth instruments draw on RTS and take a lower-case parity letter.
constexpr SerialSettings gretagLine{"9600,n,8,1", Handshaking::None, true};

constexpr auto box = ReportPlace::MessageBox;

// The 7000 and 7000A share one dialogue, as do the Spectrolino and SpectroEye,
// and each pair shares the name its messages use.
const std::array<InstrumentDescription, instrumentCount> table{{
    {Instrument::Import, "Import", "Import", std::nullopt, box, measureImport, nullptr},
    {Instrument::Ce7000, "CE7000", "CE-7000", colorEyeLine, box, measureColorEye, calibrateCe7000},
    {Instrument::Ce7000A, "CE7000A", "CE-7000", colorEyeLine, box, measureColorEye, calibrateCe7000},
    {Instrument::Ce2180, "CE2180", "CE-2180", colorEyeLine, box, measureColorEye, calibrateCe2180},
    {Instrument::Xth, "XTH", "XTH", xriteLine, box, measureXth, calibrateXth},
    {Instrument::Ci5Ci7, "Ci5/Ci7", "Ci5/Ci7", xriteLine, ReportPlace::MessageLine, measureCi5Ci7, calibrateCi5Ci7},
    {Instrument::Spectrolino, "Spectrolino", "SpectroEye", gretagLine, box, measureSpectroEye,
     calibrateOnTheInstrument},
    {Instrument::SpectroEye, "SpectroEye", "SpectroEye", gretagLine, box, measureSpectroEye, calibrateOnTheInstrument},
}};

}  // namespace

const std::array<InstrumentDescription, instrumentCount>& instrumentTable() { return table; }

const InstrumentDescription& describe(Instrument instrument) { return table[static_cast<std::size_t>(instrument)]; }

const InstrumentDescription* findInstrument(std::string_view listName) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& d) { return d.listName == listName; });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace tintara::instruments
