// A palette of the picture: one record for each block of n x n pixels, in
// column order, each converted and appended through the main window. The
// status line counts the columns down, a bar shows how far it has come, and
// Stop (or closing the window) ends it with the records written so far.
#include <filesystem>

#include "datafiles/last_palette.h"
#include "datafiles/palette_record.h"
#include "datafiles/whole_file.h"
#include "imaging/palette_name.h"
#include "imaging/form2.h"
#include "imaging/granularity.h"
#include "textio/numbertext.h"
#include "workspace/service_run.h"

namespace tintara::imaging {

using workspace::Companion;

namespace {

constexpr ui::Rgb workingYellow{255, 255, 0};
constexpr ui::Rgb doneGreen{0, 255, 0};
constexpr ui::Rgb stoppedOrange{255, 200, 120};
constexpr ui::Rgb failedRed{255, 160, 160};

constexpr const char* generationTitle = "Palette Generation";
constexpr const char* alreadyMade = "Palette already made - reload or load new picture";

// The block size offered at the first question of each palette.
constexpr int firstGranularity = 10;

// Events run after every column, as the status line changes, and in a tall
// column after this many blocks too, so that Stop is seen within moments.
constexpr long long blocksBetweenEvents = 250;

std::string records(long long count) { return std::to_string(count) + (count == 1 ? " record" : " records"); }

}  // namespace

// While a palette is written: the main window's controls that would change
// its numbers or start another long run are locked (as during an import), the
// menus that would change the picture or start another palette are disabled,
// and Stop and the progress bar are shown. All of it is undone on every way
// out.
class Form2::Generation {
public:
    explicit Generation(Form2& form) : form_(form), lock_(form.main_, form.generating_) {
        form_.stopRequested_ = false;
        // A block still marked would be inverted again over the grid.
        form_.blockTimer.setEnabled(false);
        form_.restoreBlock();
        form_.samplingBusy_ = false;
        for (ui::MenuItem* menu :
             {&form_.mnuLoadPicture, &form_.mnuMakePalette, &form_.mnuClipboard, &form_.mnuView3D}) {
            menus_.emplace_back(menu, menu->enabled());
            menu->setEnabled(false);
        }
        form_.stopPalette.setVisible(true);
        form_.ProgressTrough.setVisible(true);
        form_.ProgressFill.setVisible(true);
        form_.showProgress(0, 1);
    }
    ~Generation() {
        for (auto& [menu, enabled] : menus_) menu->setEnabled(enabled);
        form_.stopPalette.setVisible(false);
        form_.ProgressTrough.setVisible(false);
        form_.ProgressFill.setVisible(false);
    }
    Generation(const Generation&) = delete;
    Generation& operator=(const Generation&) = delete;

private:
    Form2& form_;
    workspace::ServiceRun lock_;
    std::vector<std::pair<ui::MenuItem*, bool>> menus_;
};

void Form2::mnuMakePalette_Click() {
    if (generating_) return;
    if (paletteMade_) {
        platform_.dialogs.messageBox(alreadyMade, ui::MessageButtons::OK, ui::MessageIcon::Information, caption());
        return;
    }
    makePalette();
    // A palette that holds anything can be looked at, even one stopped part
    // way; a file that failed may no longer be one.
    if (outcome_.written > 0 && outcome_.end != PaletteOutcome::End::Failed) mnuView3D.setVisible(true);
}

void Form2::makePalette() {
    if (generating_) return;
    outcome_ = PaletteOutcome{};
    if (picture_.empty()) {
        platform_.dialogs.messageBox("There is no picture to make a palette of: load one first.",
                                     ui::MessageButtons::OK, ui::MessageIcon::Exclamation, generationTitle);
        return;
    }
    const auto file = askPaletteFile();
    if (!file) return;
    const auto grid = askGranularity();
    if (!grid) return;
    writePalette(*file, *grid);
}

// The palette file, ".csv" added unless the name ends so in any case. A file
// that already holds something is replaced only when the person agrees;
// otherwise the name is asked again. Nothing when the question is left with
// Cancel or an empty name.
std::optional<std::string> Form2::askPaletteFile() {
    std::string offered = proposedPalette_;
    for (;;) {
        const auto answer = platform_.dialogs.inputBox("Enter file name for palette ", generationTitle, offered);
        if (!answer || answer->find_first_not_of(" \t") == std::string::npos) return std::nullopt;
        const std::string file = datafiles::withCsvEnding(*answer);
        const std::filesystem::path path = files_.workingDir / file;
        std::error_code ec;
        const bool holdsRecords =
            std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > 0;
        if (!holdsRecords) return file;
        const auto replace = platform_.dialogs.messageBox(
            file + " already holds a palette. Replace it with the palette of this picture?", ui::MessageButtons::YesNo,
            ui::MessageIcon::Question, generationTitle);
        if (replace == ui::Answer::Yes) return file;
        offered = *answer;
    }
}

// The block size, asked until the grid it gives is taken with Yes: an answer
// that is no whole number of 1 or more, a block larger than the picture and
// more than 10,000 blocks are refused with a message, No asks again, Cancel
// gives nothing.
std::optional<PaletteGrid> Form2::askGranularity() {
    int offered = firstGranularity;  // then the last size taken
    for (;;) {
        const auto answer =
            platform_.dialogs.inputBox("Granularity (average of pixels n x n)", "", std::to_string(offered));
        if (!answer) return std::nullopt;
        std::string problem;
        const auto n = granularityOf(*answer, problem);
        if (!n) {
            platform_.dialogs.messageBox(problem, ui::MessageButtons::OK, ui::MessageIcon::Exclamation,
                                         generationTitle);
            continue;
        }
        offered = *n;
        const PaletteGrid grid = paletteGrid(picture_.width(), picture_.height(), *n);
        const long long total = grid.blocks();
        if (total == 0) {
            platform_.dialogs.messageBox("A block of " + std::to_string(*n) + " x " + std::to_string(*n) +
                                             " pixels is larger than the picture (" + Text3.text() + " x " +
                                             Text4.text() + "): decrease granularity",
                                         ui::MessageButtons::OK, ui::MessageIcon::Exclamation, generationTitle);
        } else if (total > paletteBlockLimit) {
            platform_.dialogs.messageBox(
                "Too many pixels " + textio::signedWhole(total) + " Maximun 10,000 - increase granularity ",
                ui::MessageButtons::OK, ui::MessageIcon::Exclamation, generationTitle);
        } else if (platform_.dialogs.messageBox("Total Pixels " + textio::signedWhole(total) + "   Generate Palette",
                                                ui::MessageButtons::YesNo, ui::MessageIcon::Question,
                                                generationTitle) == ui::Answer::Yes) {
            return grid;
        }
    }
}

bool Form2::writePalette(const std::string& file, const PaletteGrid& grid) {
    outcome_.file = file;
    outcome_.blocks = grid.blocks();
    // A name that cannot take the palette (a folder of that name, a folder
    // that takes no new file) is told before any block is converted.
    const std::filesystem::path working = files_.workingDir / workingPaletteName(file);
    datafiles::WholeFile probe(files_.workingDir / file, main_.writeSeam);
    std::string error;
    if (!probe.open() || !datafiles::replaceFile(working, "", error, main_.writeSeam)) {
        if (error.empty()) error = probe.error();
        platform_.dialogs.messageBox(error, ui::MessageButtons::OK, ui::MessageIcon::Critical, generationTitle);
        endGeneration(PaletteOutcome::End::Failed, "Palette not made: " + file + " could not be created", failedRed);
        return false;
    }
    main_.paletteFile = workingPaletteName(file);
    const PaletteOutcome::End end = writeBlocks(grid);
    main_.paletteFile = file;
    std::error_code ec;
    if (end == PaletteOutcome::End::Failed) {
        std::filesystem::remove(working, ec);
        return false;
    }
    std::filesystem::rename(working, files_.workingDir / file, ec);
    if (ec) {
        std::filesystem::remove(working, ec);
        endGeneration(PaletteOutcome::End::Failed, "Palette not made: " + file + " could not be replaced", failedRed);
        return false;
    }
    if (end == PaletteOutcome::End::Stopped) return false;
    endGeneration(PaletteOutcome::End::Completed, "Palette Done and saved as " + file, doneGreen);
    paletteMade_ = true;
    drawGrid(grid);
    return true;
}

// Every block converted and saved to the palette file, column by column;
// stops at the first record that cannot be saved or when Stop is pressed.
PaletteOutcome::End Form2::writeBlocks(const PaletteGrid& grid) {
    const Generation generation(*this);
    const std::string& file = outcome_.file;
    bringToFront();
    paletteStatus("Building Palette " + textio::signedWhole(grid.columns()), workingYellow);
    platform_.events.doEvents();
    long long sinceEvents = 0;
    for (int column = 0; column < grid.columns(); ++column) {
        for (int row = 0; row < grid.rows(); ++row) {
            const BlockOrigin block{column * grid.n, row * grid.n};
            convertBlock(block, grid.n);
            main_.paletteTag = blockTag(block.x0, block.y0);
            if (!main_.SaveData(false)) {
                endGeneration(PaletteOutcome::End::Failed,
                              "Palette stopped: the block at" + main_.paletteTag + " could not be saved; " + file +
                                  " was left as it was",
                              failedRed);
                return PaletteOutcome::End::Failed;
            }
            ++outcome_.written;
            const bool columnDone = row + 1 == grid.rows();
            if (columnDone)
                paletteStatus("Building Palette " + textio::signedWhole(grid.columns() - column), workingYellow);
            if (!columnDone && ++sinceEvents < blocksBetweenEvents) continue;
            sinceEvents = 0;
            showProgress(outcome_.written, outcome_.blocks);
            platform_.events.doEvents();
            if (stopRequested_ && outcome_.written < outcome_.blocks) {
                endGeneration(PaletteOutcome::End::Stopped,
                              "Palette stopped: " + records(outcome_.written) + " of " +
                                  std::to_string(outcome_.blocks) + " saved in " + file,
                              stoppedOrange);
                return PaletteOutcome::End::Stopped;
            }
        }
    }
    return PaletteOutcome::End::Completed;
}

bool Form2::convertBlock(BlockOrigin block, int n) {
    const PaletteGrid grid = paletteGrid(picture_.width(), picture_.height(), n);
    if (n < 1 || block.x0 < 0 || block.y0 < 0 || block.x0 > grid.width - n || block.y0 > grid.height - n) return false;
    const ui::Rgb average = gridBlockAverage(picture_, block.x0, block.y0, n);
    main_.Text1[0].setText(std::to_string(average.r));
    main_.Text1[1].setText(std::to_string(average.g));
    main_.Text1[2].setText(std::to_string(average.b));
    main_.Command6_Click();
    return true;
}

void Form2::endGeneration(PaletteOutcome::End end, const std::string& status, ui::Rgb colour) {
    outcome_.end = end;
    paletteStatus(status, colour);
}

void Form2::paletteStatus(const std::string& text, ui::Rgb background) {
    Text1.setText(text);
    Text1.setBackColor(background);
}

void Form2::showProgress(long long written, long long blocks) {
    const ui::TwipRect trough = ProgressTrough.rect();
    const long long pixels = blocks > 0 ? written * (trough.width / ui::twipsPerPixel) / blocks : 0;
    const int width = int(pixels) * ui::twipsPerPixel;
    if (ProgressFill.rect().width != width) ProgressFill.setRect({trough.left, trough.top, width, trough.height});
}

// Black lines over the picture area, one down each block's left edge and one
// along each block's top edge; the picture itself, which the samples are
// taken from, is not touched.
void Form2::drawGrid(const PaletteGrid& grid) {
    ui::Surface& surface = Picture1.surface();
    for (int x0 = 0; x0 < grid.width; x0 += grid.n) surface.fillRect(x0, 0, 1, surface.height(), ui::black);
    for (int y0 = 0; y0 < grid.height; y0 += grid.n) surface.fillRect(0, y0, surface.width(), 1, ui::black);
    Picture1.refresh();
}

void Form2::mnuView3D_Click() {
    if (!companions_ || !companions_->available(Companion::PaletteViewer) || outcome_.file.empty()) return;
    main_.paletteFile = outcome_.file;
    // A viewer opened for the first time starts with the palette it showed
    // last; naming this one there first keeps it from loading (or failing to
    // find) another. If the name cannot be written, the load below still
    // shows this palette.
    std::string unwritten;
    if (!main_.Check7.ticked())
        datafiles::writeLastPalette(files_.working(datafiles::lastPaletteFileName), outcome_.file, unwritten);
    // Ticking the main window's switch shows the viewer as its box does, so
    // that the two agree.
    if (!main_.Check7.ticked())
        main_.Check7.setValue(1);
    else
        companions_->show(Companion::PaletteViewer);
    companions_->GetData(2);
}

}  // namespace tintara::imaging
