// The conversions the windows share: thin members over the core, bound to the
// main window's illuminant, display settings and PWD option, with the effects
// on their callers' variables that window logic relies on, and the writing of
// their results into the window's fields.
#include <algorithm>
#include <cctype>
#include <string>

#include "colorimetry/adaptation.h"
#include "colorimetry/cmyk.h"
#include "colorimetry/lab.h"
#include "munsell/cie_to_munsell.h"
#include "munsell/hue_notation.h"
#include "munsell/munsell_to_cie.h"
#include "munsell/value_function.h"
#include "textio/formats.h"
#include "workspace/form1.h"

namespace tintara::workspace {

using colorimetry::Xyz;

void Form1::xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b) {
    const Xyz raised = colorimetry::raisedForLab({X, Y, Z});
    X = raised.X;
    Y = raised.Y;
    Z = raised.Z;
    const colorimetry::Lab lab = colorimetry::labFromXyz(raised, condition());
    L = lab.L;
    a = lab.a;
    b = lab.b;
    if (Check3.ticked() && companions_) {
        companions_->show(Companion::Tolerance);
        companions_->MakeCTol(L, a, b);
    }
}

bool Form1::labxyz(float& X, float& Y, float& Z, float L, float a, float b) {
    const auto xyz = colorimetry::xyzFromLab({L, a, b});
    if (!xyz) return false;
    X = xyz->X;
    Y = xyz->Y;
    Z = xyz->Z;
    return true;
}

void Form1::xyzrgb(std::int16_t& R, std::int16_t& G, std::int16_t& B, float& X, float& Y, float& Z) {
    const Xyz colour{X, Y, Z};
    const auto rgb = colorimetry::displayRgbFromXyz(colour, condition(), display_);
    const Xyz working = colorimetry::displayWorkingXyz(colour, condition());
    X = working.X;
    Y = working.Y;
    Z = working.Z;
    R = rgb.R;
    G = rgb.G;
    B = rgb.B;
    outOfGamut_ = rgb.outOfGamut;
    if (chartMode) return;
    if (outOfGamut_) R = G = B = 0;
    writeRgbFields(R, G, B);
    Label19.setCaption(outOfGamut_ ? "Out of RGB Range" : "");
    // The inks are those of the clamped linear colour, even when it is shown black.
    float r = rgb.linear.r, g = rgb.linear.g, bl = rgb.linear.b, C = 0, M = 0, Yk = 0, K = 0;
    rgbcmyk(r, g, bl, C, M, Yk, K);
}

void Form1::rgbxyz(float r, float g, float b, float& X, float& Y, float& Z) {
    const Xyz xyz = colorimetry::xyzFromLinearRgb({r, g, b}, condition());
    X = xyz.X;
    Y = xyz.Y;
    Z = xyz.Z;
}

void Form1::rgbcmyk(float& r, float& g, float& b, float& C, float& M, float& Y, float& K) {
    const colorimetry::LinearRgb raised = colorimetry::withoutNegatives({r, g, b});
    r = raised.r;
    g = raised.g;
    b = raised.b;
    const colorimetry::Cmyk inks = colorimetry::cmykFromLinearRgb(raised, display_);
    C = inks.C;
    M = inks.M;
    Y = inks.Y;
    K = inks.K;
    const float values[4] = {C, M, Y, K};
    for (int i = 0; i < 4; ++i) Text2[i].setText(textio::plainNumber(values[i]));
}

void Form1::xyzconv(float X, float Y, float Z, float Xs, float Ys, float Zs, float& Xo, float& Yo, float& Zo, float Xd,
                    float Yd, float Zd) {
    const Xyz out = colorimetry::adapt({X, Y, Z}, {Xs, Ys, Zs}, {Xd, Yd, Zd});
    Xo = out.X;
    Yo = out.Y;
    Zo = out.Z;
}

void Form1::xyzconvert(const std::string& direction, float& X, float& Y, float& Z, float& x, float& y) {
    const Xyz colour{X, Y, Z};
    const Xyz out =
        direction == "F" ? colorimetry::adaptFromC(colour, condition()) : colorimetry::adaptToC(colour, condition());
    X = out.X;
    Y = out.Y;
    Z = out.Z;
    const auto xy = colorimetry::chromaticityOf(out).value_or(colorimetry::Chromaticity{});
    x = xy.x;
    y = xy.y;
}

bool Form1::mun2xyz(float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y) {
    V = munsell::valueConverted(V);
    const auto found = munsell::munsellToXyz(*table_, {H, V, C}, condition(), pwd());
    if (!found) {
        X = Y = Z = 0;
        return false;
    }
    X = found->xyz.X;
    Y = found->xyz.Y;
    Z = found->xyz.Z;
    x = found->xy.x;
    y = found->xy.y;
    return true;
}

void Form1::hconvert(float H, std::string& S) const { S = munsell::formatHue(H); }

void Form1::converth(std::string& S, float& H) {
    for (char& ch : S) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const munsell::ParsedHue parsed = munsell::parseHue(S);
    if (!parsed.familyFound) platform_.dialogs.messageBox("Format Error");
    H = parsed.hue;
}

std::optional<munsell::MunsellMatch> Form1::locateInTable(float X, float Y, float Z) const {
    return munsell::xyzToMunsell(*corners_, {X, Y, Z}, pwd());
}

void Form1::xyy2mun(float& H, float& V, float& C, float X, float& Y, float Z) const {
    if (Y < 0) Y = 0;
    const auto found = locateInTable(X, Y, Z);
    const munsell::MunsellColour m = found ? found->colour : munsell::MunsellColour{};
    H = m.hue;
    V = m.value;
    C = m.chroma;
}

void Form1::y2val(float& Y, float& V) const {
    if (Y < 0) Y = 0;
    V = munsell::valueFromY(Y, pwd());
}

void Form1::val2y(float V, float& Y) const { Y = munsell::yFromValue(V, pwd()); }

void Form1::getweights() { weights_ = instruments::illuminantCWeights(); }

void Form1::tris(float& X, float& Y, float& Z) const {
    const Xyz xyz = instruments::tristimulusOf(refl, weights_);
    X = xyz.X;
    Y = xyz.Y;
    Z = xyz.Z;
}

void Form1::writeRgbFields(std::int16_t R, std::int16_t G, std::int16_t B) {
    Text1[0].setText(std::to_string(R));
    Text1[1].setText(std::to_string(G));
    Text1[2].setText(std::to_string(B));
    moveRgbScrollBars(R, G, B);
}

void Form1::moveRgbScrollBars(std::int16_t R, std::int16_t G, std::int16_t B) {
    scrollGuard_ = true;
    VScroll4.setValue(R);
    VScroll5.setValue(G);
    VScroll6.setValue(B);
    scrollGuard_ = false;
}

void Form1::showLab(float& X, float& Y, float& Z) {
    float L = 0, a = 0, b = 0;
    xyzlab(X, Y, Z, L, a, b);
    Text15[0].setText(textio::format(L, "###.00"));
    Text15[1].setText(textio::format(a, "###.00"));
    Text15[2].setText(textio::format(b, "###.00"));
}

// While the difference panel is shown, the RGB and L*a*b* entries paint the
// trial on its own part of the swatch.
void Form1::paintSwatch(bool trialSide) {
    const auto color = ui::clampedRgb(rgbR, rgbG, rgbB);
    if (trialSide && deltaMode_)
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

// Only the notice itself is taken off: any other message (an instrument's, or
// the service code) stays until something replaces it.
void Form1::showDataNotice(bool outside) {
    if (outside) {
        if (Text3.text() != outsideDataNotice) Text3.setText(outsideDataNotice);
    } else if (Text3.text() == outsideDataNotice) {
        Text3.setText("");
    }
}

}  // namespace tintara::workspace
