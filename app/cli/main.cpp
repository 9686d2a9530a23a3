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
    std::string error;
    if (command == "convert" || command == "save-palette") {
        tintara::cli::ConvertOptions options;
        if (!tintara::cli::parseConvertOptions(args, options, error)) return usageError(error);
        return command == "convert" ? tintara::cli::runConvert(options, argv[0])
                                    : tintara::cli::runSavePalette(options, argv[0]);
    }
    if (command == "measure") {
        tintara::cli::MeasureOptions options;
        if (!tintara::cli::parseMeasureOptions(args, options, error)) return usageError(error);
        return tintara::cli::runMeasure(options, argv[0]);
    }
    if (command == "chart") {
        tintara::cli::ChartOptions options;
        if (!tintara::cli::parseChartOptions(args, options, error)) return usageError(error);
        return tintara::cli::runChart(options, argv[0]);
    }
    if (command == "view") {
        tintara::cli::ViewOptions options;
        if (!tintara::cli::parseViewOptions(args, options, error)) return usageError(error);
        return tintara::cli::runView(options, argv[0]);
    }
    if (command == "export-palette") {
        tintara::cli::ExportOptions options;
        if (!tintara::cli::parseExportOptions(args, options, error)) return usageError(error);
        return tintara::cli::runExportPalette(options);
    }
    if (command == "palette-from-image") {
        tintara::cli::PaletteFromImageOptions options;
        if (!tintara::cli::parsePaletteFromImageOptions(args, options, error)) return usageError(error);
        return tintara::cli::runPaletteFromImage(options, argv[0]);
    }
    if (command == "image-notation") {
        tintara::cli::ImageNotationOptions options;
        if (!tintara::cli::parseImageNotationOptions(args, options, error)) return usageError(error);
        return tintara::cli::runImageNotation(options, argv[0]);
    }
    if (command == "import") {
        tintara::cli::ImportOptions options;
        if (!tintara::cli::parseImportOptions(args, options, error)) return usageError(error);
        return tintara::cli::runImport(options, argv[0]);
    }
    tintara::cli::ConvertOptions options;
    if (!tintara::cli::parseConvertOptions(args, options, error)) return usageError(error);
    return tintara::cli::runTable(options, argv[0]);
}
