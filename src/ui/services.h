// The platform services the window logic uses: dialogs, clock, event pump,
// beep, printing, text on surfaces, pictures and the serial port. Each has a
// headless and a Qt implementation. The ones the instrument dialogues share
// live in platform/.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/serial_port.h"
#include "ui/picture_source.h"
#include "ui/text_renderer.h"

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

struct PrintOutcome {
    bool ok = true;  // false: error says why nothing was printed
    std::string error;
    // Where the image went instead, on a machine without a printer; when not
    // ok, the PDF file that could not be written.
    std::string pdfFile;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Prints an image of the window. Without a printer it may go into a PDF
    // file; a person who declines that has not met a failure.
    virtual PrintOutcome printWindow(Window& window) = 0;
};

// What the window logic reaches the platform through.
struct Platform {
    Dialogs& dialogs;
    Clock& clock;
    EventPump& events;
    Beeper& beeper;
    Printer& printer;
    SerialPort& serial;
    TextRenderer& text;
    PictureSource& pictures;
};

}  // namespace tintara::ui
