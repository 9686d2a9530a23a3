#include "ui/qt/qt_serial_port.h"

#include <QStringList>
#include <QtGlobal>

namespace tintara::ui::qt {

namespace {

// How long a read or a count waits for input that is on its way. Short, so
// that the dialogues' own clocks keep the time limits.
constexpr int pollMilliseconds = 5;
// Sending waits at most this long for the bytes to leave.
constexpr int sendMilliseconds = 1000;

std::optional<QSerialPort::Parity> parityOf(const QString& letter) {
    const QString p = letter.toUpper();
    if (p == "N") return QSerialPort::NoParity;
    if (p == "E") return QSerialPort::EvenParity;
    if (p == "O") return QSerialPort::OddParity;
    if (p == "M") return QSerialPort::MarkParity;
    if (p == "S") return QSerialPort::SpaceParity;
    return std::nullopt;
}

std::optional<QSerialPort::StopBits> stopBitsOf(const QString& text) {
    if (text == "1") return QSerialPort::OneStop;
    if (text == "1.5") return QSerialPort::OneAndHalfStop;
    if (text == "2") return QSerialPort::TwoStop;
    return std::nullopt;
}

}  // namespace

std::optional<QtSerialPort::LineSettings> QtSerialPort::parseSettings(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(',');
    if (parts.size() != 4) return std::nullopt;
    bool ok = false;
    LineSettings line;
    line.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || line.baudRate <= 0) return std::nullopt;
    const auto parity = parityOf(parts[1].trimmed());
    const int dataBits = parts[2].trimmed().toInt(&ok);
    const auto stopBits = stopBitsOf(parts[3].trimmed());
    if (!parity || !ok || dataBits < 5 || dataBits > 8 || !stopBits) return std::nullopt;
    line.parity = *parity;
    line.dataBits = static_cast<QSerialPort::DataBits>(dataBits);
    line.stopBits = *stopBits;
    return line;
}

std::string QtSerialPort::devicePath(int number) {
    const QString variable = QStringLiteral("TINTARA_PORT%1").arg(number);
    if (qEnvironmentVariableIsSet(variable.toLatin1().constData()))
        return qEnvironmentVariable(variable.toLatin1().constData()).toStdString();
#if defined(Q_OS_WIN)
    return "COM" + std::to_string(number);
#elif defined(Q_OS_MACOS)
    return "/dev/cu.serial" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

void QtSerialPort::setRts(bool on) {
    rts_ = on;
    // Under hardware flow control the line belongs to the driver. A device
    // without modem lines (a pseudo-terminal) refuses; nothing depends on it.
    if (port_.isOpen() && handshaking_ == Handshaking::None) port_.setRequestToSend(on);
}

bool QtSerialPort::open(std::string& error) {
    if (port_.isOpen()) port_.close();
    const std::string device = devicePath(number_);
    auto fail = [&](const std::string& reason) {
        error = "Cannot open serial port " + std::to_string(number_) + " (" + device + "): " + reason;
        return false;
    };
    const auto line = parseSettings(settings_);
    if (!line) return fail("the settings \"" + settings_ + "\" are not understood");

    port_.setPortName(QString::fromStdString(device));
    port_.setBaudRate(line->baudRate);
    port_.setParity(line->parity);
    port_.setDataBits(line->dataBits);
    port_.setStopBits(line->stopBits);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) return fail(port_.errorString().toStdString());

    if (handshaking_ == Handshaking::RtsCts && !port_.setFlowControl(QSerialPort::HardwareControl)) {
        // Some devices (a pseudo-terminal among them) have no RTS/CTS lines;
        // the dialogues then run without flow control rather than not at all.
        port_.setFlowControl(QSerialPort::NoFlowControl);
        port_.clearError();
    }
    if (handshaking_ == Handshaking::None && !port_.setRequestToSend(rts_)) port_.clearError();
    port_.clear(QSerialPort::Input);
    return true;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialPort::send(std::string_view bytes) {
    if (!port_.isOpen()) return;
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.waitForBytesWritten(sendMilliseconds);
}

void QtSerialPort::fetch() {
    if (!port_.isOpen()) return;
    // Without an event loop nobody reads the device for us: look for input
    // now, waiting a moment only when nothing has come yet.
    port_.waitForReadyRead(port_.bytesAvailable() > 0 ? 0 : pollMilliseconds);
}

std::string QtSerialPort::readAll() {
    fetch();
    if (!port_.isOpen()) return {};
    const QByteArray data = port_.readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

int QtSerialPort::bytesWaiting() {
    fetch();
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

}  // namespace tintara::ui::qt
