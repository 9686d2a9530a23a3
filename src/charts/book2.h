// The Value page (book2, "Munsell Value Page"): one constant-value plane of
// the Munsell solid as a polar chart. Every hue step of 2.5 is a ray from the
// centre, chroma grows outwards, each chip a small disc in its display colour,
// and each ray ends with its hue notation where its first missing chip would
// stand. The scroll bar picks the value; the pointer reads the colour under it
// out; a click makes that colour the main window's current colour.
#pragma once

#include "charts/chart_window.h"
#include "ui/controls.h"

namespace tintara::charts {

class book2 : public ChartWindow {
public:
    book2(workspace::Form1& main, ui::Platform& platform);

    // The centre of the chart and the radius of a chip, in twips.
    static constexpr int centreX = 4448, centreY = 4148;  // half of 8895 x 8295, halves to even
    static constexpr double chipRadius = centreX / 40.0;
    // Where the chip of hue number h and chroma C stands, in twips: on a ray at
    // h * 3.6 degrees anticlockwise from the right, 100 (C + 10) twips out, so
    // that chroma 0 is a ring of radius 1000 around the centre.
    static void chipCentre(float h, float C, double& x, double& y);

    // ---- Controls ----------------------------------------------------------
    ui::Label Label1;        // "Value" and the value shown
    ui::ScrollBar VScroll1;  // value times 100, 950 at the top to 100
    ui::Label Label2;        // the value scale beside the scroll bar
    ui::Shape Shape1;        // swatch of the colour under the pointer
    ui::Label Label3;        // RGB of the colour under the pointer
    ui::Button Command1;     // "PRINT"

    bool scrollGuard() const { return scrollGuard_; }  // plotvalue itself is moving the scroll bar

    // Redraws the page for Munsell value V. A value the scroll bar cannot hold
    // (outside 1 to 9.5) is drawn all the same, the bar left at its nearer end.
    void plotvalue(float V);
    void VScroll1_Change();
    void Form_MouseMove(ui::MouseButton button, int shift, float X, float Y);
    void Form_MouseDown(ui::MouseButton button, int shift, float X, float Y);
    void Command1_Click() { printChart(); }

private:
    void moveScrollBar(float V);
    void drawRay(float h, float V);

    bool scrollGuard_ = false;
};

}  // namespace tintara::charts
