// The ColorChecker chart (CChecker): the 24 patches of the Macbeth
// ColorChecker as the display shows them. Each patch is given by its Munsell
// notation in "ccnames.csv" and converted like every other colour of the
// program, so the chart follows the illuminant, the PWD option and the display
// settings.
#pragma once

#include <array>

#include "charts/ccnames.h"
#include "charts/chart_window.h"
#include "ui/controls.h"
#include "workspace/file_locations.h"

namespace tintara::charts {

class CChecker : public ChartWindow {
public:
    CChecker(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files);

    static constexpr const char* notationsFile = "ccnames.csv";

    // Where patch i stands, in twips: column i mod 6, row i div 6.
    static ui::TwipRect patchRect(int i);

    struct Patch {
        ui::Rgb fill{128, 128, 128};
        bool empty = false;  // its record was not read: the slot is shown empty
    };

    // ---- Controls ----------------------------------------------------------
    std::array<Patch, patchCount> Shape1;  // the patches, painted on the drawing area
    ui::Label Label1;                      // who makes the chart
    ui::Label Label2;                      // what was wrong with ccnames.csv, if anything
    ui::Button Command1;                   // "PRINT"

    // Reads ccnames.csv again and repaints the patches it holds.
    void fillCC();
    void Command1_Click() { printChart(); }

private:
    void paintPatches();

    workspace::FileLocations files_;
};

}  // namespace tintara::charts
