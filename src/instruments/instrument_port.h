// The serial port of one dialogue: opened with the instrument's line settings,
// closed however the dialogue ends.
#pragma once

#include <string_view>

#include "instruments/dialogue.h"

namespace tintara::instruments {

class InstrumentPort {
public:
    // Sets the port number, settings, handshaking and RTS of `instName` and
    // opens the port; a port that will not open is reported in a message box.
    InstrumentPort(DialogueContext& context, std::string_view instName);
    ~InstrumentPort();
    InstrumentPort(const InstrumentPort&) = delete;
    InstrumentPort& operator=(const InstrumentPort&) = delete;

    bool isOpen() const { return open_; }
    void send(std::string_view bytes) { context_.port.send(bytes); }

private:
    DialogueContext& context_;
    bool open_ = false;
};

}  // namespace tintara::instruments
