// The entries other than Munsell notation: X Y Z, x y, L*a*b*, RGB and CMYK.
// Each converts to every other form and finds the Munsell notation with ciemun.
// An entry whose boxes cannot be converted is refused with a line in the
// message box, and every field stays as it was.
#include <algorithm>
#include <cmath>

#include "colorimetry/cmyk.h"
#include "colorimetry/display.h"
#include "colorimetry/lab.h"
#include "colorimetry/xyz.h"
#include "munsell/hue_circle.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"

namespace tintara::workspace {

namespace {
bool positiveSum(float X, float Y, float Z) {
    const double sum = double(X) + Y + Z;
    return std::isfinite(sum) && sum > 0;
}

// Black has no chromaticity, yet it is a colour: ciemun shows it as the
// neutral black. Every other colour needs a positive X + Y + Z.
bool convertible(float X, float Y, float Z) { return (X == 0 && Y == 0 && Z == 0) || positiveSum(X, Y, Z); }

// A number brought to two decimals the way the XYZ boxes show it.
float twoDecimals(float value) { return float(textio::parseNumber(textio::format(value, "###.00")).value_or(0.0)); }

// Black in the window's conventions: hue number 0, value at its floor of 0.5,
// chroma 0.
constexpr float lowestShownValue = 0.5f;
}  // namespace

// The boxes hold the colour under the selected illuminant; the renotation
// data are illuminant C values, so under D50 and D65/10 the colour is carried
// back to C before the table is searched. The chromaticity boxes show the
// colour as the boxes hold it.
void Form1::ciemun() {
    const auto X = boxNumber(Text11[0]), Y = boxNumber(Text11[1]), Z = boxNumber(Text11[2]);
    if (!X || !Y || !Z) return;
    if (!positiveSum(*X, *Y, *Z)) return showNeutralBlack();
    const auto xy = colorimetry::chromaticityOf({*X, *Y, *Z});
    Text18[0].setText(textio::format(xy->x, ".0000"));
    Text18[1].setText(textio::format(xy->y, ".0000"));
    float Xc = *X, Yc = *Y, Zc = *Z;
    if (condition() != colorimetry::Condition::C2) {
        float x = 0, y = 0;
        xyzconvert("B", Xc, Yc, Zc, x, y);
    }
    if (Yc < 0) Yc = 0;
    const auto match = locateInTable(Xc, Yc, Zc);
    const munsell::MunsellColour m = match ? match->colour : munsell::MunsellColour{};
    const float V = m.value < lowestShownValue ? lowestShownValue : m.value;
    // A colour one of whose value levels lies outside the data can blend to a
    // hue past 100; it is brought back onto the circle.
    const float H = munsell::ontoHueCircle(twoDecimals(m.hue));
    showNotation(H, V, m.chroma);
    showDataNotice(!match || match->outsideData());
}

// Black has no chromaticity: the x and y boxes show .0000.
void Form1::showNeutralBlack() {
    Text18[0].setText(textio::format(0.0f, ".0000"));
    Text18[1].setText(textio::format(0.0f, ".0000"));
    showNotation(0, lowestShownValue, 0);
    showDataNotice(false);
}

// The notation in the Munsell boxes and bars, and the open Hue and Value pages
// redrawn for it.
void Form1::showNotation(float H, float V, float C) {
    std::string hueText;
    hconvert(H, hueText);
    Text12[0].setText(hueText);
    Text12[1].setText(textio::format(V, "##0.00"));
    Text12[2].setText(textio::format(C, "##0.00"));
    setScrollBars(H, V, C);
    if (companions_ && Check2.ticked()) companions_->fillbook();
    if (companions_ && Check4.ticked()) companions_->plotvalue(boxNumberOr0(Text12[1]));
}

void Form1::xyzEntry() {
    const auto X = boxNumber(Text11[0]), Y = boxNumber(Text11[1]), Z = boxNumber(Text11[2]);
    if (!X || !Y || !Z) return refuse("X, Y and Z must be numbers");
    if (!convertible(*X, *Y, *Z)) return refuse("X + Y + Z must be more than 0");
    accept();
    finishXyzEntry(*X, *Y, *Z);
}

// The XYZ and x y entries end alike: L*a*b*, the notation, RGB, the swatch.
void Form1::finishXyzEntry(float X, float Y, float Z) {
    const bool black = X == 0 && Y == 0 && Z == 0;
    showLab(X, Y, Z);
    ciemun();
    // xyzlab raised X, Y, Z to its floor of 0.01; black stays black.
    if (black) X = Y = Z = 0;
    xyzrgb(rgbR, rgbG, rgbB, X, Y, Z);
    paintSwatch(false);
}

// x, y with the luminance in the Y box; the Y box keeps its text.
void Form1::xyEntry() {
    const auto x = boxNumber(Text18[0]), y = boxNumber(Text18[1]), Y = boxNumber(Text11[1]);
    if (!x || !y || !Y) return refuse("x, y and Y must be numbers");
    const auto xyz = colorimetry::xyzFromChromaticity({*x, *y}, *Y);
    if (!xyz) return refuse("y must not be 0");
    if (!convertible(xyz->X, xyz->Y, xyz->Z)) return refuse("X + Y + Z must be more than 0");
    accept();
    Text11[0].setText(textio::format(xyz->X, "###.00"));
    Text11[2].setText(textio::format(xyz->Z, "###.00"));
    finishXyzEntry(xyz->X, xyz->Y, xyz->Z);
}

// Under illuminant C, L*a*b* is read against the fixed white of labxyz; under
// D50 and D65/10 against the selected condition's white, so that the XYZ
// boxes hold the colour under that condition, as every other entry leaves
// them, and ciemun carries it back to C.
void Form1::labEntry() {
    const auto L = boxNumber(Text15[0]), a = boxNumber(Text15[1]), b = boxNumber(Text15[2]);
    if (!L || !a || !b) return refuse("L*, a* and b* must be numbers");
    float X = 0, Y = 0, Z = 0;
    if (condition() == colorimetry::Condition::C2) {
        if (!labxyz(X, Y, Z, *L, *a, *b)) return refuse("L* must not be below -16");
    } else {
        const auto xyz = colorimetry::xyzFromLab({*L, *a, *b}, colorimetry::whiteOf(condition()));
        if (!xyz) return refuse("L* must not be below -16");
        X = xyz->X, Y = xyz->Y, Z = xyz->Z;
    }
    if (!convertible(X, Y, Z)) return refuse("This L*a*b* gives no colour: X + Y + Z would not be positive");
    accept();
    runStandardDifferenceStep();
    const float xyz[3] = {X, Y, Z};
    for (int i = 0; i < 3; ++i) Text11[i].setText(textio::format(xyz[i], "###.00"));
    xyzrgb(rgbR, rgbG, rgbB, X, Y, Z);
    paintSwatch(true);
    // Every other entry redraws an open tolerance chart through xyzlab; this
    // one starts from L*a*b* and must redraw it itself, or the chart would go
    // on showing the colour before.
    if (Check3.ticked() && companions_) {
        companions_->show(Companion::Tolerance);
        companions_->MakeCTol(*L, *a, *b);
    }
    ciemun();
}

// RGB entry; the way other windows hand a colour to the main window. A colour
// given as RGB is displayable, so the gamut message goes.
void Form1::Command6_Click() {
    int values[3];
    for (int i = 0; i < 3; ++i) {
        const auto whole = nearestWhole(textio::leadingNumber(Text1[i].text()));
        if (!whole || *whole < -32768 || *whole > 32767)
            return refuse("R, G and B run from 0 to 255; " + Text1[i].text() + " is far outside");
        values[i] = std::clamp(*whole, 0, 255);
    }
    accept();
    rgbR = std::int16_t(values[0]);
    rgbG = std::int16_t(values[1]);
    rgbB = std::int16_t(values[2]);
    writeRgbFields(rgbR, rgbG, rgbB);
    const colorimetry::LinearRgb lin = colorimetry::linearFromComponents(rgbR, rgbG, rgbB, display_);
    outOfGamut_ = false;
    Label19.setCaption("");
    paintSwatch(true);
    float r = lin.r, g = lin.g, b = lin.b, C = 0, M = 0, Y = 0, K = 0;
    rgbcmyk(r, g, b, C, M, Y, K);
    finishRgbEntry(lin.r, lin.g, lin.b);
}

// X, Y, Z of linear RGB, kept to the two decimals the boxes show.
void Form1::finishRgbEntry(float linR, float linG, float linB) {
    float X = 0, Y = 0, Z = 0;
    rgbxyz(linR, linG, linB, X, Y, Z);
    float xyz[3] = {X, Y, Z};
    for (int i = 0; i < 3; ++i) {
        xyz[i] = twoDecimals(float(double(xyz[i]) * 100.0));
        Text11[i].setText(textio::plainNumber(xyz[i]));
    }
    showLab(xyz[0], xyz[1], xyz[2]);
    runStandardDifferenceStep();
    ciemun();
}

void Form1::cmyk() {
    float inks[4];
    for (int i = 0; i < 4; ++i) {
        const auto value = boxNumber(Text2[i]);
        if (!value) return refuse("C, M, Y and K must be numbers");
        inks[i] = std::clamp(float(*value / 100.0f), 0.0f, 1.0f);
    }
    accept();
    float r = 0, g = 0, b = 0;
    cmykrgb(inks[0], inks[1], inks[2], inks[3], r, g, b);
}

// CMYK to linear RGB, the reverse of the ink conversion. Unlike xyzrgb the
// components are rounded (0.5 added before the integer part); the gamut message
// shows only when a component had to be clamped.
void Form1::cmykrgb(float c, float m, float y, float k, float& r, float& g, float& b) {
    const colorimetry::LinearRgb lin = colorimetry::linearFromInks({c, m, y, k}, display_);
    const colorimetry::RoundedRgb components = colorimetry::roundedComponents(lin, display_);
    r = lin.r;
    g = lin.g;
    b = lin.b;
    rgbR = components.R;
    rgbG = components.G;
    rgbB = components.B;
    outOfGamut_ = components.clamped;
    Label19.setCaption(components.clamped ? "Out of RGB Range" : "");
    writeRgbFields(rgbR, rgbG, rgbB);
    paintSwatch(false);
    finishRgbEntry(r, g, b);
}

void Form1::rgbScrollChange(int channel, ui::ScrollBar& bar) {
    if (scrollGuard_) return;
    Text1[channel].setText(std::to_string(bar.value()));
    Command6_Click();
}

}  // namespace tintara::workspace
