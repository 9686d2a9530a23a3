// The palette viewer: a palette file shown as a list and as a rotatable
// three-dimensional scatter of coloured dots in Munsell space, hue the angle
// around a vertical value axis, chroma the distance from it, value the height.
// Each sample is converted through the main window, as if its notation had
// been typed there. A click on a dot names the sample; left and right clicks
// fill two rows for comparing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "datafiles/palette_reader.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/picture.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/window.h"
#include "viewer3d/view_geometry.h"
#include "workspace/file_locations.h"
#include "workspace/form1.h"

namespace tintara::viewer3d {

// The most entries a palette shows.
inline constexpr int paletteCapacity = 10000;

// The viewer's tables, indexed by entry number 1..palCount; slot 0 is unused.
// A new palette overwrites entries from 1 up, so slots past palCount may hold
// an older palette's values, which nothing reads.
struct PaletteTables {
    PaletteTables();
    int palCount = 0;
    std::vector<std::array<float, 3>> palHVC;  // hue angle (radians), value, chroma
    std::vector<ui::Rgb> palRGB;               // display R, G, B
    std::vector<std::string> palName;          // sample name
    std::vector<std::string> palHue;           // hue text in lower case, padded for the list
    std::vector<std::array<float, 2>> palXY;   // where the last redraw put each entry
};

class Form3 : public ui::Window {
public:
    Form3(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files);

    // Start-up: shows the window, loads the last palette and starts rotating.
    void Form_Load();

    // Loads a palette: mode 1 the one named in LastPalette.txt (or the
    // default), 2 the main window's palette file, any other the one a person
    // chooses. The window shows itself; a request that comes while a palette
    // loads is carried out once that load ends.
    void GetData(int mode);

    // Redraws the display from the scroll bars and the tables.
    void drawPalette();

    // ---- Controls ----------------------------------------------------------
    ui::PictureBox Picture1;              // the 3D display, in chart units
    ui::Label Label10;                    // "ID a Color"
    ui::CheckBox Check1;                  // "Display sample #": numbers beside the dots
    ui::ControlArray<ui::Label> Label9;   // "Left-Click ", "Right-Click "
    ui::ControlArray<ui::TextBox> Text3;  // sample names of the two comparison rows
    ui::ControlArray<ui::TextBox> Text4;  // notations of the two comparison rows
    ui::Shape Shape1;                     // swatch of the left-click row
    ui::Shape Shape2;                     // swatch of the right-click row
    ui::Label Label4;                     // how to identify a dot
    ui::Label Label8;                     // "Palette"
    ui::TextBox Text1;                    // status line: yellow while loading, green when loaded
    ui::Shape ProgressTrough;             // the loading progress bar's frame, shown while loading
    ui::Shape ProgressFill;               // the part of the file read so far
    ui::ListBox List1;                    // one line a sample; the selection is marked white
    ui::Label Label11;                    // how to mark a sample from the list
    ui::Button Command1;                  // "Rotate"
    ui::Button Command2;                  // "Stop"
    ui::ScrollBar HScroll3;               // rotation speed, milliseconds a degree (1..100)
    ui::Label Label5;                     // "Fast  ...  Slow"
    ui::ScrollBar HScroll1;               // rotation, -180..180 degrees
    ui::Label Label1;                     // "-180  Rotate  +180"
    ui::ScrollBar HScroll2;               // pan X, 0..800 (400 centred)
    ui::Label Label6;                     // "Pan X"
    ui::ScrollBar VScroll1;               // tilt, 0 (side view) at the top to 90 (from above)
    ui::Label Label2;                     // "Tilt"
    ui::ScrollBar VScroll3;               // pan Y, 0..400 (200 centred)
    ui::Label Label7;                     // "Pan Y"
    ui::ScrollBar VScroll2;               // zoom, 1 (closest) at the top to 40
    ui::ControlArray<ui::Label> Label3;   // "Zoom +", "Zoom -"
    ui::MenuItem mnuFile, mnuNewPalette, mnuFileOpen, mnuExit, mnuHelp;
    ui::Timer Timer1;  // a rotation step of one degree
    ui::Timer Timer2;  // the redraw, every 10 ms

    // ---- Handlers ----------------------------------------------------------
    void Picture1_MouseDown(ui::MouseButton button, int shift, float X, float Y);
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void VScroll1_Change();
    void VScroll3_Change();
    void mnuNewPalette_Click();
    void mnuFileOpen_Click() { GetData(0); }
    void mnuExit_Click();
    void mnuHelp_Click();

    // ---- State -------------------------------------------------------------
    const PaletteTables& tables() const { return pal_; }
    const ViewSettings& view() const { return view_; }
    bool loading() const { return loading_; }
    // The message of the last load that failed; empty after one that succeeded.
    const std::string& loadError() const { return loadError_; }
    // Whether a load that succeeds rewrites LastPalette.txt (the command line
    // shows palettes without it).
    void setRemembersLastPalette(bool remembers) { remembersLastPalette_ = remembers; }

private:
    class LoadScope;
    struct FrameInputs {
        int rotation, tilt, zoom, panX, panY, selection, numbers, width, height;
        std::uint64_t palette;
        friend bool operator==(const FrameInputs&, const FrameInputs&) = default;
    };

    void addControls();
    void wireEvents();
    std::string lastPaletteName() const;
    bool load(const std::string& fileName);
    bool readRecords(std::istream& in, const std::string& fileName, std::uintmax_t size);
    bool takeEntry(const datafiles::PaletteEntry& entry, std::string& problem);
    void showProgress(double fraction);
    void failLoad(const std::string& fileName, const std::string& detail);
    void rememberPalette(const std::string& fileName);
    void readBars();
    FrameInputs frameInputs() const;
    void drawAxes(const ui::UserCoordinates& units, double tilt);
    void drawEntries(const ui::UserCoordinates& units);
    int listTextWidth(const std::string& text) const;
    const std::string& hueLabel(const std::string& hueText);

    workspace::Form1& main_;
    ui::Platform& platform_;
    workspace::FileLocations files_;
    PaletteTables pal_;
    ViewSettings view_;
    int drawnCount_ = 0;  // entries whose palXY the last redraw set
    std::uint64_t paletteRevision_ = 0;
    std::optional<FrameInputs> drawn_;
    bool loading_ = false;
    std::optional<int> pendingMode_;
    std::unordered_map<std::string, std::string> hueLabels_;  // padded hue labels of the load
    std::string loadError_;
    bool remembersLastPalette_ = true;
};

}  // namespace tintara::viewer3d
