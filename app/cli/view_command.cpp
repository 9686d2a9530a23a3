#include "view_command.h"

#include <cstdio>
#include <iostream>

#include "cli_window.h"
#include "exit_codes.h"
#include "textio/numberread.h"
#include "ui/qt/qt_png_writer.h"
#include "viewer3d/form3.h"

namespace tintara::cli {

namespace {

struct Bounded {
    const char* option;
    int ViewOptions::*field;
    int lowest, highest;
    const char* unit;
};

constexpr Bounded boundedOptions[] = {
    {"--turn", &ViewOptions::turn, -180, 180, "degrees"},
    {"--tilt", &ViewOptions::tilt, 0, 90, "degrees"},
    {"--zoom", &ViewOptions::zoom, 1, 40, "chroma steps"},
};

// A whole number within the bar's range, as the scroll bar would take it.
bool wholeIn(const std::string& text, int lowest, int highest, int& value) {
    const auto number = textio::parseNumber(text);
    if (!number || *number != int(*number) || *number < lowest || *number > highest) return false;
    value = int(*number);
    return true;
}

}  // namespace

bool parseViewOptions(const std::vector<std::string>& args, ViewOptions& options, std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Bounded* bounded = nullptr;
        for (const Bounded& b : boundedOptions)
            if (a == b.option) bounded = &b;
        if (bounded || a == "--png") {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (!bounded) {
                options.png = value;
            } else if (!wholeIn(value, bounded->lowest, bounded->highest, options.*(bounded->field))) {
                error = a + " takes a whole number of " + bounded->unit + " from " + std::to_string(bounded->lowest) +
                        " to " + std::to_string(bounded->highest);
                return false;
            }
        } else if (a == "--list") {
            options.list = true;
        } else if (a == "--numbers") {
            options.numbers = true;
        } else {
            rest.push_back(a);
        }
    }
    if (!parseConvertOptions(rest, options.display, error)) return false;
    if (options.display.words.size() != 1) {
        error = "view needs one PALETTE file";
        return false;
    }
    if (!options.png && !options.list) {
        error = "view needs --png FILE or --list";
        return false;
    }
    return true;
}

int runView(const ViewOptions& options, const char* argv0) {
    CliWindow cli;
    if (!cli.start(options.display, argv0)) return exitStartFailed;
    viewer3d::Form3 viewer(cli.window(), cli.platform(), workspace::FileLocations::forProgram(argv0));
    // Looking at a palette from the command line is not showing it: the
    // desktop viewer keeps the palette it remembers.
    viewer.setRemembersLastPalette(false);
    cli.window().paletteFile = options.display.words.front();
    viewer.GetData(2);
    if (options.list) {
        std::string out;
        for (const std::string& line : viewer.List1.items()) out += line + "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    if (!viewer.loadError().empty()) return exitRefused;
    if (!options.png) return exitDone;
    viewer.HScroll1.setValue(options.turn);
    viewer.VScroll1.setValue(90 - options.tilt);
    viewer.VScroll2.setValue(options.zoom);
    viewer.Check1.setValue(options.numbers ? 1 : 0);
    viewer.drawPalette();
    std::string error;
    if (!ui::qt::writePng(viewer.Picture1.surface(), *options.png, error)) {
        std::cerr << "tintara-cli: " << error << '\n';
        return exitRefused;
    }
    return exitDone;
}

}  // namespace tintara::cli
