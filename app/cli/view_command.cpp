#include "view_command.h"

#include <cstdio>
#include <iostream>

#include "cli_window.h"
#include "exit_codes.h"
#include "ui/qt/qt_png_writer.h"
#include "viewer3d/form3.h"

namespace tintara::cli {

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
