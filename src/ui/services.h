// The platform services the window logic uses: dialogs, clock, event pump,
// beep, printing and the serial port. Each has a headless and a Qt
// implementation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintara::ui {

class Window;

enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Critical, Question, Exclamation };
enum class Answer { OK, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const std::string& prompt, MessageButtons buttons = MessageButtons::OK,
                              MessageIcon icon = MessageIcon::None, const std::string& title = {}) = 0;
    // Nothing when the person cancels.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title = {},
                                                const std::string& defaultText = {}) = 0;
    // A file chosen in an open dialog with a filter such as "*.txt|*.txt";
    // nothing when cancelled. The working directory is left as it was.
    virtual std::optional<std::string> openFile(const std::string& filter, const std::string& title = {}) = 0;
};

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight; restarts at 0 every day.
    virtual double secondsSinceMidnight() = 0;
    virtual DateTime now() = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets the user interface handle what is pending, once.
    virtual void doEvents() = 0;
};

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

enum class Handshaking { None, RtsCts };

class SerialPort {
public:
    virtual ~SerialPort() = default;
    virtual void setPortNumber(int number) = 0;  // 1..4
    // Baud, parity, data bits and stop bits, such as "9600,N,8,1".
    virtual void setSettings(const std::string& settings) = 0;
    virtual void setHandshaking(Handshaking handshaking) = 0;
    virtual void setRts(bool on) = 0;
    // False with a message naming the device when the port cannot be opened.
    virtual bool open(std::string& error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Bytes go out as single-byte characters.
    virtual void send(std::string_view bytes) = 0;
    // Everything waiting in the input buffer, which is then empty.
    virtual std::string readAll() = 0;
    virtual int bytesWaiting() = 0;
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
