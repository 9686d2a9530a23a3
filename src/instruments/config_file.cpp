#include "instruments/config_file.h"

#include <cmath>

#include "textio/formats.h"
#include "textio/printstyle.h"

namespace tintara::instruments {

std::optional<InstrumentConfig> readConfig(std::istream& in) {
    std::string first, second;
    if (!std::getline(in, first) || !std::getline(in, second)) return std::nullopt;
    auto trimEnd = [](std::string& s) {
        while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    };
    trimEnd(first);
    trimEnd(second);
    InstrumentConfig config;
    const auto comma = first.find(',');
    config.instName = first.substr(0, comma);
    while (!config.instName.empty() && config.instName.back() == ' ') config.instName.pop_back();
    while (!config.instName.empty() && config.instName.front() == ' ') config.instName.erase(0, 1);
    const auto port = textio::parseNumber(second);
    if (!port || *port != std::floor(*port) || *port < -32768 || *port > 32767) return std::nullopt;
    config.commPort = int(*port);
    return config;
}

std::string configText(const InstrumentConfig& config) {
    return config.instName + std::string(textio::lineEnd) + textio::PrintLine().number(float(config.commPort)).finish();
}

}  // namespace tintara::instruments
