#include "image_commands.h"

#include <filesystem>
#include <iostream>

#include "cli_window.h"
#include "datafiles/palette_record.h"
#include "exit_codes.h"
#include "imaging/form2.h"
#include "imaging/palette_grid.h"

namespace tintara::cli {

namespace {

// The picture read and shown in the image window, as "Load Picture" shows
// it; false with the reason on standard error when it cannot be read.
bool showPicture(imaging::Form2& form, const std::string& picture) {
    form.setWarnsOfSize(false);  // no screen to be larger than
    if (std::filesystem::is_directory(picture)) {
        std::cerr << "tintara-cli: " << picture << " is a folder, not a picture\n";
        return false;
    }
    return form.openPictureFile(picture);  // the loader's message goes to standard error
}

}  // namespace

int runPaletteFromImage(const PaletteFromImageOptions& options, const char* argv0) {
    CliWindow cli;
    if (!cli.start(options.display, argv0)) return exitStartFailed;
    imaging::Form2 form(cli.window(), cli.platform(), workspace::FileLocations::forProgram(argv0), nullptr);
    if (!showPicture(form, options.display.words.front())) return exitRefused;

    const imaging::PaletteGrid grid =
        imaging::paletteGrid(form.picture().width(), form.picture().height(), options.granularity);
    const std::string size = std::to_string(form.picture().width()) + " x " + std::to_string(form.picture().height());
    if (grid.blocks() == 0 || grid.blocks() > imaging::paletteBlockLimit) {
        std::cerr << "tintara-cli: a granularity of " << options.granularity << " gives " << grid.blocks()
                  << " blocks of the " << size << " picture; a palette holds 1 to 10,000\n";
        return exitRefused;
    }
    // The answers a person would give: the file (replaced when it exists, as
    // --out asks), the block size, and Yes to the count.
    ui::HeadlessDialogs& dialogs = cli.dialogs();
    dialogs.answerInput(options.out);
    std::error_code ec;
    const auto target = workspace::FileLocations::forProgram(argv0).workingDir / datafiles::withCsvEnding(options.out);
    if (std::filesystem::is_regular_file(target, ec) && std::filesystem::file_size(target, ec) > 0)
        dialogs.answerMessage(ui::Answer::Yes);
    dialogs.answerInput(std::to_string(options.granularity));
    dialogs.answerMessage(ui::Answer::Yes);
    // Questions are answered above; only what the window tells goes out.
    dialogs.onShow = [](const ui::ShownDialog& d) {
        if (d.kind == ui::ShownDialog::Kind::Message && d.buttons == ui::MessageButtons::OK)
            std::cerr << d.prompt << '\n';
    };
    form.makePalette();

    const imaging::PaletteOutcome& outcome = form.paletteOutcome();
    if (outcome.end != imaging::PaletteOutcome::End::Completed) {
        std::cerr << "tintara-cli: " << form.Text1.text() << '\n';
        return exitRefused;
    }
    std::cout << outcome.written << " records written to " << outcome.file << '\n';
    return exitDone;
}

int runImageNotation(const ImageNotationOptions& options, const char* argv0) {
    CliWindow cli;
    if (!cli.start(options.display, argv0)) return exitStartFailed;
    imaging::Form2 form(cli.window(), cli.platform(), workspace::FileLocations::forProgram(argv0), nullptr);
    if (!showPicture(form, options.display.words.front())) return exitRefused;
    const int width = form.picture().width(), height = form.picture().height();
    const std::string size = std::to_string(width) + " x " + std::to_string(height);

    if (options.granularity) {
        const int n = *options.granularity;
        const imaging::PaletteGrid grid = imaging::paletteGrid(width, height, n);
        const imaging::BlockOrigin block{options.x / n * n, options.y / n * n};
        if (!form.convertBlock(block, n)) {
            std::cerr << "tintara-cli: " << options.x << "," << options.y << " lies in no whole block of " << n << " x "
                      << n << " pixels of the " << size << " picture (the blocks cover " << grid.width << " x "
                      << grid.height << ")\n";
            return exitRefused;
        }
        std::cout << form.notationLine() << '\n';
        return exitDone;
    }
    if (options.x >= width || options.y >= height) {
        std::cerr << "tintara-cli: " << options.x << "," << options.y << " lies outside the " << size << " picture\n";
        return exitRefused;
    }
    form.Picture1_MouseDown(ui::MouseButton::Left, 0, float(options.x), float(options.y));
    if (form.Text5.text().rfind("Hue = ", 0) != 0) {
        std::cerr << "tintara-cli: " << form.Text5.text() << '\n';
        return exitRefused;
    }
    std::cout << form.Text5.text() << '\n';
    return exitDone;
}

}  // namespace tintara::cli
