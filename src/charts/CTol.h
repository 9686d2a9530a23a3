// The tolerance chart (CTol, "Munsell Color Tolerance Set"): a standard colour
// surrounded by six neighbours one set step away from it along one CIELAB axis
// each: lighter and darker, redder and greener, yellower and bluer. Each chip
// is converted to Munsell notation for the palette the chart can save.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "charts/chart_window.h"
#include "colorimetry/xyz.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "workspace/companions.h"
#include "workspace/file_locations.h"

namespace tintara::charts {

class CTol : public ChartWindow {
public:
    // Runs Form_Load.
    CTol(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files,
         workspace::CompanionWindows& companions);

    static constexpr int chipCount =
        7;  // 0 the standard; 1, 2 lighter, darker; 3, 4 redder, greener; 5, 6 yellower, bluer
    static constexpr const char* paletteName = "Cpalette.csv";

    // Where chip i stands, in twips.
    static ui::TwipRect chipRect(int i);

    struct Chip {
        ui::Rgb fill{255, 192, 255};
        ui::Rgb border{255, 192, 255};
    };

    // ---- Controls ----------------------------------------------------------
    std::array<Chip, chipCount> Shape1;        // the chips, painted on the drawing area
    ui::ControlArray<ui::Label> Label3;        // "Lighter" ... "Bluer", beside chips 1..6
    ui::ControlArray<ui::Label> Label2;        // the offsets of chips 1..6, "L + 5" ...
    ui::Frame Frame1;                          // "Tolerance"
    ui::ControlArray<ui::ScrollBar> HScroll1;  // DL, DA, DB in tenths, 10 to 200
    ui::ControlArray<ui::Label> Label1;        // "DL", "DA", "DB"
    ui::Frame Frame2;                          // "Standard CIELAB  "
    ui::ControlArray<ui::TextBox> Text2;       // the standard's L*, a*, b*
    ui::ControlArray<ui::Label> Label4;        // "L*", "a*", "b*"
    ui::CheckBox Check1;                       // "Black Lines"
    ui::Button Command1;                       // "Print"
    ui::Button Command2;                       // "Save Palette"

    // ---- State -------------------------------------------------------------
    std::array<float, 3> tol{};                                // DL, DA, DB
    std::array<std::array<std::string, 3>, chipCount> hvc;     // hue notation, value, chroma of each chip
    std::array<std::array<std::int16_t, 3>, chipCount> rgb{};  // display R, G, B of each chip
    // The colour of each chip under the main window's illuminant (0..100).
    std::array<colorimetry::Xyz, chipCount> xyz{};

    // Recomputes and repaints the seven chips around the standard L*, a*, b*.
    void MakeCTol(float L, float a, float b);
    void HScroll1_Change(int index);
    void Check1_Click() { redrawFromBoxes(); }
    void Command1_Click() { printChart(); }
    // "Save Palette": the seven chips into Cpalette.csv, shown by the palette viewer.
    void Command2_Click();

private:
    void Form_Load();
    void layOut();
    void writeOffsetCaptions();
    // MakeCTol for the standard in the boxes; a box that holds no number
    // leaves the chips as they were and says so.
    void redrawFromBoxes();
    void makeChip(int chip, float L, float a, float b);
    void paintChips();

    workspace::FileLocations files_;
    workspace::CompanionWindows& companions_;
};

}  // namespace tintara::charts
