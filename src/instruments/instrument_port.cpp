#include "instruments/instrument_port.h"

#include <string>

#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

InstrumentPort::InstrumentPort(DialogueContext& context, std::string_view instName) : context_(context) {
    const auto settings = serialSettings(instName);
    if (!settings) {
        showBox(context, "No serial settings for " + std::string(instName));
        return;
    }
    platform::SerialPort& port = context.port;
    port.setPortNumber(context.commPort);
    port.setSettings(settings->settings);
    port.setHandshaking(settings->handshaking);
    port.setRts(settings->rts);
    std::string error;
    open_ = port.open(error);
    if (!open_) showBox(context, error.empty() ? "Cannot open serial port " + std::to_string(context.commPort) : error);
}

InstrumentPort::~InstrumentPort() {
    if (open_) context_.port.close();
}

}  // namespace tintara::instruments
