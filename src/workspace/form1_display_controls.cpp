// The swatch click, the display gamma and white-balance controls, and the
// switches that open the other windows.
#include <cmath>

#include "munsell/munsell_to_cie.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"

namespace tintara::workspace {

namespace {
const char* windowTitle(Companion which) {
    switch (which) {
    case Companion::HuePage: return "The Hue page";
    case Companion::Tolerance: return "The tolerance chart";
    case Companion::ValuePage: return "The Value page";
    case Companion::ColorChecker: return "The ColorChecker chart";
    case Companion::ImageAnalysis: return "Image analysis";
    case Companion::PaletteViewer: return "The 3D palette viewer";
    }
    return "This window";
}

ui::Rgb tinted(float level, const std::array<float, 4>& gain) {
    auto channel = [&](int i) { return long(std::nearbyint(double(level) * gain[i])); };
    return ui::clampedRgb(channel(1), channel(2), channel(3));
}
}  // namespace

// A clipped colour (a component of 0 or 255) is only written into the boxes,
// never converted, so it cannot replace the current notation.
void Form1::Picture1_MouseDown(ui::MouseButton, int, float x, float y) {
    ui::Rgb c;
    if (!Picture1.colorAt(x, y, c)) return;
    Text1[0].setText(std::to_string(c.r));
    Text1[1].setText(std::to_string(c.g));
    Text1[2].setText(std::to_string(c.b));
    for (int v : {c.r, c.g, c.b})
        if (v == 0 || v == 255) return;
    platform_.events.doEvents();
    Command6_Click();
}

// The box and the bar keep each other in step: the bar writes the normalised
// text back, so the box shows the gamma taken, not necessarily what was typed.
void Form1::Text5_Change() {
    const auto gamma = boxNumber(Text5);
    if (!gamma || *gamma < 1 || *gamma > 3) return;
    if (auto position = nearestWhole(double(*gamma) * 10)) VScroll8.setValue(*position);
}

void Form1::VScroll8_Change() {
    Text5.setText(textio::plainNumber(float(VScroll8.value()) / 10.0f));
    const float gamma = boxNumberOr0(Text5);
    if (gamma <= 0) return;
    for (float& e : display_.exponent) e = 1.0f / gamma;
    vezedu();
    if (companions_ && companions_->visible(Companion::ColorChecker)) companions_->fillCC();
}

// The bar runs from a neutral display (100) to a warm one (50); the window's own
// colours tint with it. The current colour is not recomputed.
void Form1::VScroll7_Change() {
    const int v = VScroll7.value();
    display_.gain[3] = float(v) / 100.0f;
    display_.gain[2] = float(1.0 - (1.0 - display_.gain[3]) * 52.0 / 85.0);
    Picture2.setVisible(v == 100);
    recolour();
}

void Form1::recolour() {
    const ui::Rgb face = tinted(200, display_.gain), paper = tinted(255, display_.gain);
    setBackground(face);
    for (auto* boxes : {&Text12, &Text11, &Text15, &Text1, &Text2, &Text18})
        for (int i = 0; i < boxes->size(); ++i) (*boxes)[i].setBackColor(paper);
    Text3.setBackColor(paper);
    Text4.setBackColor(paper);
    for (auto* labels : {&Label18, &Label20})
        for (int i = 0; i < labels->size(); ++i) (*labels)[i].setBackColor(face);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Label8,  &Label10,  &Label12,  &Label7,   &Label9,   &Label11,  &Label16,   &Label17,
             &Label13, &Label14,  &Label15,  &Label21,  &Label22,  &Label24,  &Label25,   &Label1,
             &Label19, &Command1, &Command2, &Command7, &Command8, &Command9, &Command11, &Frame1})
        c->setBackColor(face);
}

// The logo: the ten principal hues at value 6, chroma 8, as the display shows
// them at start-up.
void Form1::paintLogo() {
    ui::Surface& logo = Picture2.surface();
    logo.clear(Picture2.surface().background());
    const int chip = 26, gap = 4, left = (logo.width() - 5 * chip - 4 * gap) / 2,
              top = (logo.height() - 2 * chip - gap) / 2;
    for (int k = 0; k < 10; ++k) {
        const auto colour = munsell::munsellToXyz(*table_, {10.0f * k + 5, 6, 8}, colorimetry::Condition::C2, false);
        if (!colour) continue;
        const auto rgb =
            colorimetry::displayRgbFromXyz(colour->xyz, colorimetry::Condition::C2, colorimetry::DisplaySettings{});
        logo.fillRect(left + (k % 5) * (chip + gap), top + (k / 5) * (chip + gap), chip, chip,
                      ui::clampedRgb(rgb.R, rgb.G, rgb.B), ui::BorderStyle::Solid, ui::Rgb{96, 96, 96});
    }
    Picture2.refresh();
}

void Form1::switchWindow(Companion which, ui::CheckBox& box) {
    if (!companions_ || !companions_->available(which)) {
        if (box.ticked()) Text3.setText(std::string(windowTitle(which)) + " is not part of this version yet");
        return;
    }
    if (!box.ticked()) return companions_->hide(which);
    companions_->show(which);
    switch (which) {
    case Companion::HuePage: companions_->fillbook(); break;
    case Companion::Tolerance:
        companions_->MakeCTol(boxNumberOr0(Text15[0]), boxNumberOr0(Text15[1]), boxNumberOr0(Text15[2]));
        break;
    case Companion::ValuePage: companions_->plotvalue(boxNumberOr0(Text12[1])); break;
    case Companion::ColorChecker: companions_->fillCC(); break;
    case Companion::ImageAnalysis:
    case Companion::PaletteViewer: break;
    }
}

}  // namespace tintara::workspace
