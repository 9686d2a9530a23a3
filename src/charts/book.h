// The Hue page (book, "Munsell Book of Color"): one constant-hue page of the
// Munsell system as a printed atlas shows it, value 1 to 9 in rows and chroma
// N, 2, 4 ... 28 in columns, for the hue in the main window's hue box. Chips
// the renotation data do not hold are the window's grey; chips the display
// cannot show get a dotted border. The scroll bar steps round the hue circle,
// and a click on a chip makes its colour the main window's current colour.
#pragma once

#include <array>

#include "charts/chart_window.h"
#include "ui/control_array.h"
#include "ui/controls.h"

namespace tintara::charts {

class book : public ChartWindow {
public:
    book(workspace::Form1& main, ui::Platform& platform);

    // One chip of the page as drawn.
    struct Chip {
        ui::Rgb fill = ui::lightGrey;
        ui::BorderStyle border = ui::BorderStyle::Solid;
        bool painted = false;  // drawn from the renotation data, or the black value-0 chip
    };
    static constexpr int chipCount = 150;

    // The chip of chroma C and value V: 5 C + 9 - V. Index i stands in column
    // i div 10 (chroma 2 k) and row i mod 10 (value 9 - row).
    static int chipIndex(float C, float V);
    // Where chip i stands, in twips.
    static ui::TwipRect chipRect(int i);

    // ---- Controls ----------------------------------------------------------
    std::array<Chip, chipCount> Shape1;  // the chips, painted on the drawing area
    ui::ControlArray<ui::Label> Label1;  // value labels, chroma labels and (23) the hue shown
    ui::ControlArray<ui::Label> Label5;  // the hue circle beside the scroll bar, "5R" ... "5RP"
    ui::ScrollBar VScroll1;              // hue number, 0 at the top to 100
    ui::Label Label2;                    // "Hue"
    ui::Label Label3;                    // "Value"
    ui::Label Label4;                    // "Chroma > > > >"
    ui::Label Label6;                    // what a dotted border means
    ui::Button Command1;                 // "PRINT"

    bool scrollGuard() const { return scrollGuard_; }  // fillbook itself is moving the scroll bar

    // Redraws the page for the hue in the main window's hue box and shows it.
    void fillbook();
    void VScroll1_Change();
    // A press over the drawing area at (X, Y) twips.
    void Form_MouseDown(ui::MouseButton button, int shift, float X, float Y);
    void Command1_Click() { printChart(); }

private:
    void layOut();
    void paintChips();
    // The chip under (X, Y) twips, or -1 over the window's grey between chips.
    static int chipAt(float X, float Y);

    bool scrollGuard_ = false;
};

}  // namespace tintara::charts
