// The instruments of the instrument list, each described once: the name the
// list shows and zol.cfg keeps, the name its messages use, its serial line,
// where it reports, and its measurement and calibration dialogues.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "instruments/dialogue.h"

namespace tintara::instruments {

enum class Instrument { Import, Ce7000, Ce7000A, Ce2180, Xth, Ci5Ci7, Spectrolino, SpectroEye };

struct SerialSettings {
    std::string_view settings;  // as handed to the port, e.g. "9600,N,8,1"
    platform::Handshaking handshaking = platform::Handshaking::None;
    bool rts = false;
};

// Where an instrument's dialogue tells the person what went wrong.
enum class ReportPlace { MessageBox, MessageLine };

struct InstrumentDescription;
using MeasureSteps = MeasureEnd (*)(DialogueContext&, const InstrumentDescription&, MeasureState&, Reflectance&);
using CalibrationSteps = void (*)(DialogueContext&, const InstrumentDescription&);

struct InstrumentDescription {
    Instrument instrument;
    std::string_view listName;             // "CE7000A": the instrument list and zol.cfg
    std::string_view messageName;          // "CE-7000": what its messages call it
    std::optional<SerialSettings> serial;  // none for the reflectance file
    ReportPlace reports;
    MeasureSteps measure;
    CalibrationSteps calibrate;  // nullptr: Calibrate does nothing
};

inline constexpr std::size_t instrumentCount = 8;

// The instrument list's entries, in the order the list shows them.
const std::array<InstrumentDescription, instrumentCount>& instrumentTable();

const InstrumentDescription& describe(Instrument instrument);

// The entry the list text names; nullptr for any other text, such as the
// list's initial "Inst".
const InstrumentDescription* findInstrument(std::string_view listName);

}  // namespace tintara::instruments
