// The conversions the windows share, bound to the main window's illuminant,
// display settings and PWD option, and the writing of their results into the
// window's fields.
#include <string>

#include "colorimetry/lab.h"
#include "munsell/munsell_to_cie.h"
#include "textio/formats.h"
#include "workspace/form1.h"

namespace tintara::workspace {

void Form1::xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b) {
    colorimetry::xyzlab(X, Y, Z, L, a, b, condition());
    if (Check3.ticked() && companions_) {
        companions_->show(Companion::Tolerance);
        companions_->MakeCTol(L, a, b);
    }
}

// Outside chart mode an out-of-gamut colour is shown black with the gamut
// message, and the RGB and CMYK fields follow.
void Form1::xyzrgb(std::int16_t& R, std::int16_t& G, std::int16_t& B, float& X, float& Y, float& Z) {
    const auto rgb = colorimetry::xyzrgb(X, Y, Z, condition(), display);
    R = rgb.R;
    G = rgb.G;
    B = rgb.B;
    outOfGamut = rgb.outOfGamut;
    if (chartMode) return;
    if (outOfGamut) R = G = B = 0;
    Text1[0].setText(std::to_string(R));
    Text1[1].setText(std::to_string(G));
    Text1[2].setText(std::to_string(B));
    scrollGuard = true;
    VScroll4.setValue(R);
    VScroll5.setValue(G);
    VScroll6.setValue(B);
    scrollGuard = false;
    Label19.setCaption(outOfGamut ? "Out of RGB Range" : "");
    writeCmyk(rgb.linR, rgb.linG, rgb.linB);
}

void Form1::writeCmyk(float linR, float linG, float linB) {
    const auto inks = colorimetry::rgbcmyk(linR, linG, linB, display);
    const float values[4] = {inks.C, inks.M, inks.Y, inks.K};
    for (int i = 0; i < 4; ++i) Text2[i].setText(textio::plainNumber(values[i]));
}

void Form1::showLab(float& X, float& Y, float& Z) {
    float L = 0, a = 0, b = 0;
    xyzlab(X, Y, Z, L, a, b);
    Text15[0].setText(textio::format(L, "###.00"));
    Text15[1].setText(textio::format(a, "###.00"));
    Text15[2].setText(textio::format(b, "###.00"));
}

bool Form1::mun2xyz(float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y) {
    return munsell::mun2xyz(*table_, H, V, C, X, Y, Z, x, y, condition(), pwd());
}

float Form1::converth(std::string& text) {
    const auto reading = munsell::converth(text);
    if (reading.formatError) platform_.dialogs.messageBox("Format Error");
    return reading.H;
}

// While the difference panel is shown, the RGB and L*a*b* entries paint the
// trial on its own part of the swatch.
void Form1::paintSwatch(bool trialSide) {
    const auto color = ui::clampedRgb(rgbR, rgbG, rgbB);
    if (trialSide && deltaMode)
        Picture3.fill(color);
    else
        Picture1.fill(color);
}

void Form1::refuse(const std::string& message) {
    refusal_ = message;
    Text3.setText(message);
}

// A message left by a refused entry goes once the next entry is taken.
void Form1::accept() {
    if (!refusal_.empty() && Text3.text() == refusal_) Text3.setText("");
    refusal_.clear();
}

}  // namespace tintara::workspace
