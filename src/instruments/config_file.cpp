#include "instruments/config_file.h"

#include <cmath>

#include "textio/formats.h"
#include "textio/printstyle.h"

namespace tintara::instruments {

namespace {

// The next line of `text` without its line end; false when none is left.
bool nextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) return false;
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int portWithinRange(int port) { return port < 1 || port > 4 ? 1 : port; }

std::optional<InstrumentConfig> readConfig(std::string_view text) {
    std::string_view first, second;
    if (!nextLine(text, first) || !nextLine(text, second)) return std::nullopt;
    double port = 0;
    if (!textio::parseNumber(second, port) || port != std::floor(port) || port < -32768 || port > 32767)
        return std::nullopt;
    InstrumentConfig config;
    config.instName = std::string(trimmed(first.substr(0, first.find(','))));
    config.commPort = portWithinRange(static_cast<int>(port));
    return config;
}

std::string configText(const InstrumentConfig& config) {
    return config.instName + std::string(textio::lineEnd) + textio::PrintLine().number(float(config.commPort)).finish();
}

}  // namespace tintara::instruments
