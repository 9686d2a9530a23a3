#include "export_palette_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "datafiles/palette_export.h"
#include "datafiles/whole_file.h"
#include "exit_codes.h"

namespace tintara::cli {

bool parseExportOptions(const std::vector<std::string>& args, ExportOptions& options, std::string& error) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 >= args.size()) {
                error = "--format needs a value";
                return false;
            }
            options.format = args[++i];
        } else if (args[i].size() > 2 && args[i].rfind("--", 0) == 0) {
            error = "unknown option " + args[i];
            return false;
        } else {
            words.push_back(args[i]);
        }
    }
    if (options.format != "gpl" && options.format != "css") {
        error = "export-palette needs --format gpl or --format css";
        return false;
    }
    if (words.size() != 2) {
        error = "export-palette needs a PALETTE file and an output FILE";
        return false;
    }
    options.palette = words[0];
    options.output = words[1];
    return true;
}

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
