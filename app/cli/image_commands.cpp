#include "image_commands.h"

#include <filesystem>
#include <iostream>

#include "cli_window.h"
#include "datafiles/palette_record.h"
#include "exit_codes.h"
#include "imaging/form2.h"
#include "imaging/granularity.h"
#include "imaging/palette_grid.h"
#include "textio/numberread.h"

namespace tintara::cli {

namespace {

// Takes "--granularity N", "--out FILE" and "--at X,Y" out of the arguments,
// leaving the rest (the picture and the display options) in `rest`.
struct ImageArgs {
    std::optional<std::string> granularity, out, at;
    std::vector<std::string> rest;
};

bool splitImageArgs(const std::vector<std::string>& args, ImageArgs& split, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string>* slot = a == "--granularity" ? &split.granularity
                                           : a == "--out"       ? &split.out
                                           : a == "--at"        ? &split.at
                                                                : nullptr;
        if (!slot) {
            split.rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = a + " needs a value";
            return false;
        }
        *slot = args[++i];
    }
    return true;
}

bool onePicture(const std::vector<std::string>& rest, ConvertOptions& display, const char* command,
                std::string& error) {
    if (!parseConvertOptions(rest, display, error)) return false;
    if (display.words.size() == 1) return true;
    error = std::string(command) + " needs one PICTURE";
    return false;
}

// The same rule as the window's granularity question.
bool granularityTaken(const std::string& text, int& n, std::string& error) {
    const auto taken = imaging::granularityOf(text, error);
    if (!taken) return false;
    n = *taken;
    return true;
}

std::optional<int> pixelCoordinate(std::string_view text) {
    const auto number = textio::parseNumber(text);
    if (!number || *number != double(int(*number)) || *number < 0) return std::nullopt;
    return int(*number);
}

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

bool parsePaletteFromImageOptions(const std::vector<std::string>& args, PaletteFromImageOptions& options,
                                  std::string& error) {
    ImageArgs split;
    if (!splitImageArgs(args, split, error)) return false;
    if (split.at) {
        error = "palette-from-image takes no --at";
        return false;
    }
    if (!split.granularity || !split.out) {
        error = "palette-from-image needs --granularity N and --out FILE";
        return false;
    }
    if (!granularityTaken(*split.granularity, options.granularity, error)) return false;
    options.out = *split.out;
    return onePicture(split.rest, options.display, "palette-from-image", error);
}

bool parseImageNotationOptions(const std::vector<std::string>& args, ImageNotationOptions& options,
                               std::string& error) {
    ImageArgs split;
    if (!splitImageArgs(args, split, error)) return false;
    if (split.out) {
        error = "image-notation takes no --out";
        return false;
    }
    if (!split.at) {
        error = "image-notation needs --at X,Y";
        return false;
    }
    const auto comma = split.at->find(',');
    const auto x = comma == std::string::npos ? std::nullopt : pixelCoordinate(split.at->substr(0, comma));
    const auto y = comma == std::string::npos ? std::nullopt : pixelCoordinate(split.at->substr(comma + 1));
    if (!x || !y) {
        error = "--at takes a pixel as X,Y, two whole numbers of 0 or more such as 120,45";
        return false;
    }
    options.x = *x;
    options.y = *y;
    if (split.granularity) {
        int n = 0;
        if (!granularityTaken(*split.granularity, n, error)) return false;
        options.granularity = n;
    }
    return onePicture(split.rest, options.display, "image-notation", error);
}

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
