#include "cli/measure_options.h"

#include "instruments/instrument.h"

namespace tintara::cli {

bool parseMeasureOptions(const std::vector<std::string>& args, MeasureOptions& options, std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--port" || args[i] == "--file") && i + 1 < args.size()) {
            (args[i] == "--port" ? options.port : options.file.emplace()) = args[i + 1];
            ++i;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (!parseConvertOptions(rest, options.display, error)) return false;
    if (options.display.words.size() != 1) {
        std::string names;
        for (const auto& instrument : instruments::instrumentTable())
            names += (names.empty() ? "" : ", ") + std::string(instrument.listName);
        error = "measure needs one INSTRUMENT: " + names;
        return false;
    }
    if (instruments::findInstrument(options.display.words[0])) options.instrument = options.display.words[0];
    if (options.instrument.empty()) {
        error = "unknown instrument " + options.display.words[0];
        return false;
    }
    return true;
}

}  // namespace tintara::cli
