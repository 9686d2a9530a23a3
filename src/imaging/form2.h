// Image analysis: a picture from a file or the clipboard, and the Munsell
// notation of the colour under the pointer. The window averages a small square
// block around the pointer, has the main window convert the average as if its
// R, G, B had been typed there, and shows the notation the main window finds.
// It also turns a whole picture into a palette file, one record for each block
// of n x n pixels, written through the main window's "Save to Palette", and
// opens that palette in the palette viewer.
//
// The picture is kept apart from what the picture area shows: the block being
// sampled is marked by inverting it on screen, and the grid of a palette is
// drawn over the picture, but every average is taken from the picture itself.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "imaging/palette_grid.h"
#include "ui/controls.h"
#include "ui/menu.h"
#include "ui/picture.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/window.h"
#include "workspace/companions.h"
#include "workspace/file_locations.h"
#include "workspace/form1.h"

namespace tintara::imaging {

// The picture the window shows when it opens, looked up like the program's
// other shipped files.
inline constexpr const char* testImageName = "TestImage.jpg";

// How long a sampled block stays marked on screen. Until it is restored the
// window takes no other sample, so pointer moves that come meanwhile are
// dropped.
inline constexpr int blockMarkMs = 200;

// How the last palette generation ended.
struct PaletteOutcome {
    enum class End {
        None,       // no palette was begun, or the questions were left with Cancel
        Completed,  // every block was written
        Stopped,    // Stop was pressed; the file holds the records written before
        Failed      // the file could not be created or a record not written
    };
    End end = End::None;
    std::string file;       // the palette file, ".csv" included
    long long written = 0;  // records appended
    long long blocks = 0;   // the blocks of the grid
};

class Form2 : public ui::Window {
public:
    // `companions` opens the palette viewer for "View 3D Palette"; without
    // them that menu does nothing.
    Form2(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files,
          workspace::CompanionWindows* companions);

    // Start-up: click mode, the 81-pixel block, and TestImage.jpg shown.
    void Form_Load();

    // The picture chosen in the file dialog (or, preset, TestImage.jpg) shown
    // in place of the one before. False when the dialog was cancelled or the
    // picture could not be read; the window then shows what it showed, and a
    // picture that cannot be read is named in a message box.
    bool openPicture(bool preset);
    // The picture in this file shown, as openPicture does after the dialog.
    bool openPictureFile(const std::string& path);

    // Averages the block around the pixel at (X, Y), marks it on screen, and
    // has the main window convert the average unless a channel is at 0 or 255.
    void showPixelNotation(float X, float Y);
    // Asks for the palette's file and block size and writes the palette.
    void makePalette();

    // A palette block's average written into the main window's R, G, B boxes
    // and converted there, as the palette generation does it for each record.
    // False, and nothing done, for a block that is not one of the grid of
    // n x n blocks over the picture.
    bool convertBlock(BlockOrigin block, int n);
    // The notation line of the main window's Munsell boxes.
    std::string notationLine() const;

    // A picture wider or taller than the screen is shown after a warning;
    // without one (the command line) it is shown without.
    void setWarnsOfSize(bool warns) { warnsOfSize_ = warns; }

    // ---- Controls ----------------------------------------------------------
    ui::TextBox Text2;         // picture file name
    ui::TextBox Text3;         // picture width in pixels
    ui::TextBox Text4;         // picture height in pixels
    ui::TextBox Text1;         // palette status line
    ui::Shape ProgressTrough;  // the generation's progress bar frame, shown while a palette is written
    ui::Shape ProgressFill;    // the part of the blocks written so far
    ui::Button stopPalette;    // "Stop": ends a palette generation; shown only while one runs
    ui::TextBox Text5;         // notation line
    ui::TextBox Text6;         // position line
    ui::TextBox Text7;         // swatch of the last block sampled (its background)
    ui::PictureBox Picture1;   // the picture, in pixels, the size of the picture it holds
    ui::MenuItem mnuFile, mnuLoadPicture, mnuExit;
    ui::MenuItem mnuOptions, mnuDisplayMode, mnuMouseClick, mnuContinuous, mnuSamplePixels;
    std::array<ui::MenuItem, 5> mnuSample;  // "1", "9", "25", "49", "81"
    ui::MenuItem mnuMakePalette, mnuClipboard, mnuView3D, mnuHelp;
    ui::Timer blockTimer;  // restores the marked block once blockMarkMs have passed

    // ---- Handlers ----------------------------------------------------------
    void Picture1_MouseDown(ui::MouseButton button, int shift, float X, float Y);
    void Picture1_MouseMove(ui::MouseButton button, int shift, float X, float Y);
    void mnuLoadPicture_Click();
    void mnuExit_Click();
    void mnuMouseClick_Click();
    void mnuContinuous_Click();
    void mnuSample_Click(int index);
    void mnuMakePalette_Click();
    void mnuClipboard_Click();
    void mnuView3D_Click();
    void mnuHelp_Click();
    void stopPalette_Click() { stopRequested_ = true; }
    void blockTimer_Timer();

    // ---- State -------------------------------------------------------------
    const std::string& pictureFile() const { return pictureFile_; }  // the picture shown; empty before one
    bool clickMode() const { return clickMode_; }        // notation on a click; false: it follows the pointer
    int sampleHalf() const { return sampleHalf_; }       // k: the block is (2k + 1) x (2k + 1) pixels
    int sampleCount() const { return sampleCount_; }     // the pixels a block averages
    bool samplingBusy() const { return samplingBusy_; }  // a sampled block is still marked
    bool paletteMade() const { return paletteMade_; }    // a palette of the picture shown is complete
    bool generating() const { return generating_; }
    const ui::Image& picture() const { return picture_; }
    // The palette name proposed for the picture shown: its file name without
    // folder and ending. The main window's palette file is left alone.
    const std::string& proposedPalette() const { return proposedPalette_; }
    const PaletteOutcome& paletteOutcome() const { return outcome_; }

private:
    class Generation;

    void addControls();
    void wireEvents();
    void showPicture(const ui::Image& picture);
    void fitToPicture();
    void showBlockLines(ui::Rgb average, bool converted, int x, int y);
    void markBlock(int x, int y, int half);
    void restoreBlock();
    std::optional<std::string> askPaletteFile();
    std::optional<PaletteGrid> askGranularity();
    bool writePalette(const std::string& file, const PaletteGrid& grid);
    PaletteOutcome::End writeBlocks(const PaletteGrid& grid);
    void showProgress(long long written, long long blocks);
    void endGeneration(PaletteOutcome::End end, const std::string& status, ui::Rgb colour);
    void drawGrid(const PaletteGrid& grid);
    void paletteStatus(const std::string& text, ui::Rgb background);

    workspace::Form1& main_;
    ui::Platform& platform_;
    workspace::FileLocations files_;
    workspace::CompanionWindows* companions_;
    ui::Image picture_;
    std::string pictureFile_;
    std::string proposedPalette_;
    bool clickMode_ = true;
    int sampleHalf_ = 4;
    int sampleCount_ = 81;
    bool samplingBusy_ = false;
    bool paletteMade_ = false;
    bool generating_ = false;
    bool stopRequested_ = false;
    bool warnsOfSize_ = true;
    struct MarkedBlock {
        int x, y, half;
    };
    std::optional<MarkedBlock> marked_;
    PaletteOutcome outcome_;
};

}  // namespace tintara::imaging
