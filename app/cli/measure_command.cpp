#include "measure_command.h"

#include <cstdlib>
#include <iostream>

#include <QCoreApplication>

#include "cli_window.h"
#include "convert_command.h"
#include "exit_codes.h"
#include "instruments/dialogue.h"
#include "workspace/typed_entry.h"

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
        error =
            "measure needs one INSTRUMENT: Import, CE7000, CE7000A, CE2180, XTH, Ci5/Ci7, Spectrolino or SpectroEye";
        return false;
    }
    for (auto name : instruments::instrumentNames)
        if (name == options.display.words[0]) options.instrument = std::string(name);
    if (options.instrument.empty()) {
        error = "unknown instrument " + options.display.words[0];
        return false;
    }
    return true;
}

namespace {
// A port number 1..4, or a device that port 1 then stands for.
int portNumber(const std::string& port) {
    if (port.size() == 1 && port[0] >= '1' && port[0] <= '4') return port[0] - '0';
    setenv("TINTARA_PORT1", port.c_str(), 1);
    return 1;
}
}  // namespace

int runMeasure(const MeasureOptions& options, const char* argv0) {
    int argc = 1;
    char name[] = "tintara-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    CliWindow cli(Timing::RealTime);
    const int port = portNumber(options.port);
    if (!cli.start(options.display, argv0, instruments::InstrumentConfig{options.instrument, port}))
        return exitStartFailed;
    workspace::Form1& window = cli.window();
    if (options.file) cli.dialogs().answerFile(*options.file);
    const auto shownBefore = cli.dialogs().messages().size();
    workspace::pressMeasure(window);
    // The outside notice is the colour's, not a failure of the measurement.
    const std::string& message = workspace::messageLine(window);
    const bool notice = message == workspace::outsideDataNotice;
    const bool failed = cli.dialogs().messages().size() != shownBefore || (!message.empty() && !notice);
    if (!message.empty() && !notice) std::cerr << message << '\n';
    if (failed) return exitRefused;
    printFields(window);
    return exitDone;
}

}  // namespace tintara::cli
