#include "cli/export_options.h"

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

}  // namespace tintara::cli
