// tintara-cli: the main window's conversions without a display. It drives the
// same window logic as the desktop program, so it prints what the window shows.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "chart_command.h"
#include "cli/cli_options.h"
#include "convert_command.h"
#include "exit_codes.h"
#include "export_palette_command.h"
#include "image_commands.h"
#include "import_command.h"
#include "measure_command.h"
#include "usage.h"
#include "view_command.h"
#include "workspace/program_version.h"

namespace {

int usageError(const std::string& error) {
    std::cerr << "tintara-cli: " << error << " (see tintara-cli --help)\n";
    return tintara::cli::exitUsage;
}

bool asksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

using Args = std::vector<std::string>;

// A command's options parsed, then the command run on them; a usage error
// when they do not parse.
template <class Options, class Run>
int parsedThenRun(const Args& args, bool (*parse)(const Args&, Options&, std::string&), Run run) {
    Options options;
    std::string error;
    if (!parse(args, options, error)) return usageError(error);
    return run(options);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << tintara::cli::generalUsage();
        return tintara::cli::exitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << tintara::cli::generalUsage();
        return tintara::cli::exitDone;
    }
    if (args[0] == "--version") {
        std::cout << "tintara-cli " << tintara::workspace::programVersion() << '\n';
        return tintara::cli::exitDone;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    const auto commandHelp = tintara::cli::commandUsage(command);
    if (!commandHelp) return usageError("unknown command " + command);
    if (asksForHelp(args)) {
        std::cout << *commandHelp;
        return tintara::cli::exitDone;
    }
    namespace cli = tintara::cli;
    const char* program = argv[0];
    const auto with = [program](auto run) {
        return [run, program](const auto& options) { return run(options, program); };
    };
    if (command == "convert") return parsedThenRun(args, cli::parseConvertOptions, with(cli::runConvert));
    if (command == "save-palette") return parsedThenRun(args, cli::parseConvertOptions, with(cli::runSavePalette));
    if (command == "table") return parsedThenRun(args, cli::parseConvertOptions, with(cli::runTable));
    if (command == "measure") return parsedThenRun(args, cli::parseMeasureOptions, with(cli::runMeasure));
    if (command == "chart") return parsedThenRun(args, cli::parseChartOptions, with(cli::runChart));
    if (command == "view") return parsedThenRun(args, cli::parseViewOptions, with(cli::runView));
    if (command == "export-palette") return parsedThenRun(args, cli::parseExportOptions, cli::runExportPalette);
    if (command == "palette-from-image")
        return parsedThenRun(args, cli::parsePaletteFromImageOptions, with(cli::runPaletteFromImage));
    if (command == "image-notation")
        return parsedThenRun(args, cli::parseImageNotationOptions, with(cli::runImageNotation));
    if (command == "import") return parsedThenRun(args, cli::parseImportOptions, with(cli::runImport));
    return usageError("unknown command " + command);
}
