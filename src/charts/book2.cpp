// The Value page: plotvalue, the value scroll bar, the hover read-out and the click.
#include "charts/book2.h"

#include <cmath>
#include <string>

#include "charts/chart_mode.h"
#include "textio/formats.h"

namespace tintara::charts {

namespace {
// The page's background, the grey the read-out and the click pass over.
constexpr ui::Rgb faceGrey{192, 192, 192};
constexpr int pageWidth = 8895, pageHeight = 8295;

constexpr int hueSteps = 40;  // 0, 2.5 ... 97.5
constexpr float hueStep = 2.5f;
constexpr int highestChroma = 40;
// Hue numbers per radian: 100 hue steps to the turn, 3.6 degrees each.
constexpr double huePerRadian = 15.915494;
// Twips per chroma step out from the centre, and the ring chroma 0 lies on.
constexpr double twipsPerChroma = 100.0;
constexpr double ringChroma = 10.0;

bool inside(int v) { return v >= 1 && v <= 254; }
bool displayable(ui::Rgb c) { return inside(c.r) && inside(c.g) && inside(c.b); }
}  // namespace

book2::book2(workspace::Form1& main, ui::Platform& platform)
    : ChartWindow("book2", "Munsell Value Page", pageWidth, pageHeight, faceGrey, main, platform),
      Label1("Label1", {0, 5400, 855, 255}),
      VScroll1("VScroll1", {720, 5760, 255, 2415}, ui::Orientation::Vertical, 950, 100, 950, 10, 100),
      Label2("Label2", {240, 6000, 255, 2055}, "10 9   8  7  6  5  4  3  2  1"),
      Shape1("Shape1", {1200, 6600, 855, 975}),
      Label3("Label3", {1200, 7800, 2535, 255}),
      Command1("Command1", {120, 120, 852, 252}, "PRINT") {
    Label2.wordWrap = true;
    Shape1.setBorderStyle(ui::BorderStyle::Dotted);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &VScroll1, &Label2, &Shape1, &Label3, &Command1})
        add(*c);
    VScroll1.onChange = [this] { VScroll1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Drawing.onMouseMove = [this](ui::MouseButton b, int shift, float x, float y) { Form_MouseMove(b, shift, x, y); };
    Drawing.onMouseDown = [this](ui::MouseButton b, int shift, float x, float y) { Form_MouseDown(b, shift, x, y); };
}

void book2::chipCentre(float h, float C, double& x, double& y) {
    const double r = (double(C) + ringChroma) * twipsPerChroma, a = double(h) / huePerRadian;
    x = centreX + r * std::cos(a);
    y = centreY - r * std::sin(a);
}

void book2::plotvalue(float V) {
    Label1.setCaption("Value" + textio::format(V, "   #.##"));
    moveScrollBar(V);
    Drawing.surface().clear(faceGrey);
    {
        const ChartModeScope chart(main_);
        for (int i = 0; i < hueSteps; ++i) drawRay(hueStep * float(i), V);
    }
    Drawing.refresh();
}

void book2::moveScrollBar(float V) {
    if (!std::isfinite(V)) return;
    const double position = std::nearbyint(double(V) * 100.0);
    // The bar holds values 1 to 9.5; a value beyond them leaves it at the nearer end.
    const int lowest = VScroll1.bottom(), highest = VScroll1.top();
    scrollGuard_ = true;
    VScroll1.setValue(position < lowest ? lowest : position > highest ? highest : int(position));
    scrollGuard_ = false;
}

// Chips outward from chroma 0 until the first the data do not hold, where the
// ray's hue notation is written instead.
void book2::drawRay(float h, float V) {
    ui::Surface& s = Drawing.surface();
    const double radius = chipRadius / ui::twipsPerPixel;
    for (int C = 0; C <= highestChroma; C += 2) {
        float value = V, X = 0, Y = 0, Z = 0, x = 0, y = 0;
        const bool held = main_.mun2xyz(h, value, float(C), X, Y, Z, x, y);
        main_.xyzrgb(main_.rgbR, main_.rgbG, main_.rgbB, X, Y, Z);
        double cx = 0, cy = 0;
        chipCentre(h, float(C), cx, cy);
        const double pxX = cx / ui::twipsPerPixel, pxY = cy / ui::twipsPerPixel;
        if (!held) {
            std::string label;
            main_.hconvert(h, label);
            platform_.text.drawText(s, pxX, pxY, label, ui::Font{}, ui::black);
            return;
        }
        const ui::Rgb fill = ui::clampedRgb(main_.rgbR, main_.rgbG, main_.rgbB);
        // A component clipped to 0 is shown by a cross-hatch in the chip's colour.
        const bool clippedToBlack = fill.r == 0 || fill.g == 0 || fill.b == 0;
        s.circle(pxX, pxY, radius,
                 {ui::black, 1, clippedToBlack ? ui::FillStyle::DiagonalCross : ui::FillStyle::Solid, fill});
    }
}

void book2::VScroll1_Change() {
    if (scrollGuard_) return;
    main_.Text12[1].setText(textio::plainNumber(float(VScroll1.value()) / 100.0f));
    main_.vezedu();
}

void book2::Form_MouseMove(ui::MouseButton, int, float X, float Y) {
    ui::Rgb c;
    if (!Drawing.colorAt(X, Y, c)) return;
    if (!displayable(c)) {
        Shape1.setFillColor(ui::black);
        Label3.setCaption("Out of RGB Gamut");
        return;
    }
    if (c == faceGrey) return;
    Label3.setCaption("R=" + textio::signedNumber(c.r) + "  G=" + textio::signedNumber(c.g) +
                      "  B=" + textio::signedNumber(c.b));
    Shape1.setFillColor(c);
}

// The page's grey is no colour of the chart: a click on it, between the
// chips, changes nothing, as the read-out ignores it.
void book2::Form_MouseDown(ui::MouseButton, int, float X, float Y) {
    ui::Rgb c;
    if (!Drawing.colorAt(X, Y, c) || c == faceGrey) return;
    // Black or a clipped colour is not converted; the main window keeps the
    // colour it shows rather than taking the numbers alone.
    if (!displayable(c)) {
        Shape1.setFillColor(ui::black);
        return;
    }
    main_.Text1[0].setText(std::to_string(c.r));
    main_.Text1[1].setText(std::to_string(c.g));
    main_.Text1[2].setText(std::to_string(c.b));
    main_.Command6_Click();
}

}  // namespace tintara::charts
