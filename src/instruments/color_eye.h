// The Macbeth Color-Eye 7000, 7000A and 2180: one dialogue in two dialects.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "instruments/reply_fields.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

// What tells the Color-Eye models apart.
struct ColorEyeDialect {
    std::string_view greeting;    // sent to learn whether the instrument is there
    Terminator greetingEnd;       // ends the answer to the greeting
    std::string_view commandEnd;  // follows every other command
    std::size_t statusBytes;      // the status that answers a command
    // Reads the measurement data that follow a good status into `reply`,
    // which holds the status.
    Wait (*readData)(SerialDialogue& dialogue, std::string& reply);
    ReplyParser parse;
};

extern const ColorEyeDialect ce7000Dialect;
extern const ColorEyeDialect ce2180Dialect;

const ColorEyeDialect& colorEyeDialect(const InstrumentDescription& instrument);

// Sends the greeting; false, after "<name> not connected" in a message box,
// when no answer comes within 5 s.
bool greetColorEye(SerialDialogue& dialogue);

// Sends a command with the dialect's ending and takes its status; false, after
// a message, when the status does not come.
bool exchangeStatus(SerialDialogue& dialogue, std::string_view command, std::string_view during, std::string& status);
// The same for a calibration command, whose status is not looked at.
bool calibrationCommand(SerialDialogue& dialogue, std::string_view command);

}  // namespace tintara::instruments
