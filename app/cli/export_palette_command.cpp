#include "export_palette_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "datafiles/palette_export.h"
#include "datafiles/whole_file.h"
#include "exit_codes.h"

namespace tintara::cli {

int runExportPalette(const ExportOptions& options) {
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(options.palette, ec)) in.open(options.palette, std::ios::binary);
    if (!in.is_open()) {
        std::cerr << "tintara-cli: cannot open the palette " << options.palette << '\n';
        return exitRefused;
    }
    std::vector<datafiles::PaletteColour> colours;
    std::string error;
    if (!datafiles::readPaletteColours(in, colours, error)) {
        std::cerr << "tintara-cli: " << options.palette << ", " << error << '\n';
        return exitRefused;
    }
    const std::string title = std::filesystem::path(options.palette).filename().string();
    const std::string text =
        options.format == "gpl" ? datafiles::gimpPalette(colours, title) : datafiles::cssPalette(colours, title);
    if (options.output == "-") {
        // A full disk behind standard output is no export either.
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
            std::cerr << "tintara-cli: the palette could not be written to standard output\n";
            return exitRefused;
        }
        return exitDone;
    }
    if (!datafiles::replaceFile(options.output, text, error)) {
        std::cerr << "tintara-cli: " << error << '\n';
        return exitRefused;
    }
    return exitDone;
}

}  // namespace tintara::cli
