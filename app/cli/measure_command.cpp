#include "measure_command.h"

#include <cstdlib>
#include <iostream>

#include <QCoreApplication>

#include "cli_window.h"
#include "convert_command.h"
#include "exit_codes.h"
#include "instruments/instrument.h"
#include "workspace/typed_entry.h"

namespace tintara::cli {

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
    // What the message line shows (a SpectroEye's greeting, an XTH asleep) is
    // information; the measurement succeeded when a new reading was converted.
    workspace::watchMessageLine(window, [](const std::string& text) { std::cerr << text << '\n'; });
    if (!workspace::pressMeasure(window)) return exitRefused;
    printFields(window);
    return exitDone;
}

}  // namespace tintara::cli
