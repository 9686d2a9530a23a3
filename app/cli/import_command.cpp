#include "import_command.h"

#include <iostream>

#include "cli_window.h"
#include "datafiles/import_types.h"
#include "exit_codes.h"
#include "workspace/service_entry.h"

namespace tintara::cli {

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
