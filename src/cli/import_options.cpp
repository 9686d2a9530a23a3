#include "cli/import_options.h"

#include "datafiles/import_types.h"

namespace tintara::cli {

bool parseImportOptions(const std::vector<std::string>& args, ImportOptions& options, std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--palette" && i + 1 < args.size())
            options.palette = args[++i];
        else
            rest.push_back(args[i]);
    }
    if (!parseConvertOptions(rest, options.display, error)) return false;
    const auto& words = options.display.words;
    const auto type = words.empty() ? std::nullopt : datafiles::importTypeFor(words[0]);
    if (!type) {
        error = "import needs a TYPE: xyz, 6, 0, 3, 4, 2 or 1";
        return false;
    }
    options.type = words[0];
    const bool chosen = datafiles::importTypeInfo(*type).input.empty();
    if (words.size() != (chosen ? 2u : 1u)) {
        error = chosen ? "import " + options.type + " needs the FILE to read"
                       : "import " + options.type + " reads " + std::string(datafiles::importTypeInfo(*type).input) +
                             " and takes no FILE";
        return false;
    }
    if (chosen) options.file = words[1];
    return true;
}

}  // namespace tintara::cli
