// A measurement dialogue with a fuzzed instrument behind a scripted port: the
// greetings are sound, the measurement reply is the fuzz input after its first
// byte, which says how many bytes each read hands over (0: all at once). The
// clock moves on at every reading, so that every wait comes to its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "instruments/dialogue.h"
#include "instruments/reply_fields.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_serial_port.h"

namespace tintara::fuzz {

using Exchange = std::pair<std::string, std::string>;  // a command and its answer

// What a curve holds before the measurement: a value no reading can give.
inline constexpr float before = -1000.0f;

struct FuzzedMeasurement {
    instruments::MeasureEnd end;
    instruments::Reflectance refl;
    std::string reply;  // the fuzzed measurement reply
};

inline FuzzedMeasurement measureWith(const std::string& instName, const std::vector<Exchange>& greetings,
                                     const std::string& command, const std::uint8_t* data, std::size_t size) {
    ui::HeadlessClock clock;
    clock.advanceOnRead(0.05);
    ui::ScriptedSerialPort port(clock);
    ui::HeadlessDialogs dialogs;
    ui::HeadlessEvents events;
    instruments::DialogueContext context{port, dialogs, clock, events, 1, {}, {}};
    for (const auto& [sent, answer] : greetings) port.on(sent, answer);
    FuzzedMeasurement m{instruments::MeasureEnd::EarlyExit, {}, {}};
    if (size > 0) m.reply.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    port.on(command, m.reply).inChunks(size > 0 ? data[0] : 0);
    m.refl.fill(before);
    instruments::MeasureState state;
    m.end = measure(instName, context, state, m.refl);
    require(!port.isOpen(), "the port is closed on every way out");
    return m;
}

// After a new reading, index `index` holds the number in the `width`
// characters of the reply at the 1-based `position`, times `scale`: a possible
// reflectance, from a field that is wholly a number.
inline void requireField(const FuzzedMeasurement& m, std::size_t index, std::size_t position, std::size_t width,
                         double scale = 1.0) {
    require(position >= 1 && position - 1 + width <= m.reply.size(), "the field lies inside the reply");
    const auto value = wholeNumber(std::string_view(m.reply).substr(position - 1, width));
    require(value.has_value(), "the field is wholly a number");
    require(m.refl[index] == static_cast<float>(*value * scale), "the reading is the field's number");
    require(m.refl[index] >= instruments::lowestReflectance && m.refl[index] <= instruments::highestReflectance,
            "a possible reflectance");
}

// Anything but a new reading leaves the curve as it was.
inline void requireUnchanged(const FuzzedMeasurement& m) {
    for (float value : m.refl) require(value == before, "a rejected reading leaves the curve");
}

}  // namespace tintara::fuzz
