// A serial port as the instrument dialogues use it.
#pragma once

#include <string>
#include <string_view>

namespace tintara::platform {

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

}  // namespace tintara::platform
