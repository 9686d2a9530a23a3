#include "import_command.h"

#include <iostream>

#include "cli_window.h"
#include "datafiles/import_types.h"
#include "exit_codes.h"
#include "workspace/service_entry.h"

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

namespace {
// Message boxes become lines: a failure on standard error, a note on
// standard output.
void printMessageBoxes(CliWindow& cli) {
    cli.dialogs().onShow = [](const ui::ShownDialog& d) {
        if (d.kind != ui::ShownDialog::Kind::Message) return;
        (d.icon == ui::MessageIcon::Critical ? std::cerr : std::cout) << d.prompt << '\n';
    };
}
}  // namespace

int runImport(const ImportOptions& options, const char* argv0) {
    CliWindow cli;
    if (!cli.start(options.display, argv0)) return exitStartFailed;
    printMessageBoxes(cli);
    cli.dialogs().answerInput(options.type);
    if (options.file) cli.dialogs().answerFile(*options.file);
    cli.dialogs().answerInput(options.palette);
    const auto shownBefore = cli.dialogs().messages().size();
    const workspace::ServiceOutcome& outcome = workspace::pressImport(cli.window());
    // A run that ended without a box ends with its line in the message line.
    if (cli.dialogs().messages().size() == shownBefore)
        (outcome.completed ? std::cout : std::cerr) << outcome.message << '\n';
    return outcome.completed && outcome.notConverted == 0 ? exitDone : exitRefused;
}

int runTable(const ConvertOptions& options, const char* argv0) {
    if (!options.words.empty()) {
        std::cerr << "tintara-cli: table takes no values\n";
        return exitUsage;
    }
    CliWindow cli;
    if (!cli.start(options, argv0)) return exitStartFailed;
    printMessageBoxes(cli);
    return workspace::pressMakeTable(cli.window()).completed ? exitDone : exitRefused;
}

}  // namespace tintara::cli
