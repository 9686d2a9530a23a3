// The platform services the window logic uses: dialogs, clock, event pump,
// beep, printing and the serial port. Each has a headless and a Qt
// implementation. The ones the instrument dialogues share live in platform/.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/serial_port.h"

namespace tintara::ui {

class Window;

using platform::Answer;
using platform::Clock;
using platform::DateTime;
using platform::Dialogs;
using platform::EventPump;
using platform::Handshaking;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::SerialPort;

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Prints an image of the window; false with a reason when it could not.
    virtual bool printWindow(Window& window, std::string& error) = 0;
};

// What the window logic reaches the platform through.
struct Platform {
    Dialogs& dialogs;
    Clock& clock;
    EventPump& events;
    Beeper& beeper;
    Printer& printer;
    SerialPort& serial;
};

}  // namespace tintara::ui
