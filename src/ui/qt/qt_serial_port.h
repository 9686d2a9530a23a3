// The serial port over QSerialPort. Port numbers 1..4 name devices: the
// environment variable TINTARA_PORT<n> when it is set (a USB adapter or a
// pseudo-terminal), otherwise the platform's n-th serial device.
#pragma once

#include <optional>
#include <string>

#include <QSerialPort>

#include "ui/services.h"

namespace tintara::ui::qt {

class QtSerialPort : public SerialPort {
public:
    struct LineSettings {
        qint32 baudRate = 9600;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };

    // "9600,N,8,1": baud, parity N/E/O/M/S in either case, data bits 5..8,
    // stop bits 1, 1.5 or 2. Nothing when the text is not of that form.
    static std::optional<LineSettings> parseSettings(const std::string& text);
    // The device a port number stands for.
    static std::string devicePath(int number);

    void setPortNumber(int number) override { number_ = number; }
    void setSettings(const std::string& settings) override { settings_ = settings; }
    void setHandshaking(Handshaking handshaking) override { handshaking_ = handshaking; }
    void setRts(bool on) override;
    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void send(std::string_view bytes) override;
    std::string readAll() override;
    int bytesWaiting() override;

private:
    // Takes in what the device has, without an event loop.
    void fetch();

    QSerialPort port_;
    int number_ = 1;
    std::string settings_ = "9600,N,8,1";
    Handshaking handshaking_ = Handshaking::None;
    bool rts_ = false;
};

}  // namespace tintara::ui::qt
