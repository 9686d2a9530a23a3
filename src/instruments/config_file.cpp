#include "instruments/config_file.h"

#include <cmath>
#include <sstream>

#include "textio/fieldreader.h"
#include "textio/formats.h"
#include "textio/printstyle.h"

namespace tintara::instruments {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int portWithinRange(int port) { return port < 1 || port > 4 ? 1 : port; }

std::optional<InstrumentConfig> readConfig(std::string_view text) {
    // Lines end as in every text file the program reads: CR LF, LF or CR.
    std::istringstream in{std::string(text)};
    textio::FieldReader reader(in);
    const auto first = reader.line(), second = reader.line();
    if (!first || !second) return std::nullopt;
    const auto port = textio::parseNumber(*second);
    if (!port || *port != std::floor(*port) || *port < -32768 || *port > 32767) return std::nullopt;
    InstrumentConfig config;
    config.instName = std::string(trimmed(std::string_view(*first).substr(0, first->find(','))));
    config.commPort = portWithinRange(static_cast<int>(*port));
    return config;
}

std::string configText(const InstrumentConfig& config) {
    return config.instName + std::string(textio::lineEnd) + textio::PrintLine().number(float(config.commPort)).finish();
}

}  // namespace tintara::instruments
