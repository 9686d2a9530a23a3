// The entries other than Munsell notation: X Y Z, x y, L*a*b*, RGB and CMYK.
// Each converts to every other form and finds the Munsell notation with ciemun.
// An entry whose boxes cannot be converted is refused with a line in the
// message box, and every field stays as it was.
#include <algorithm>
#include <cmath>

#include "colorimetry/adaptation.h"
#include "colorimetry/lab.h"
#include "munsell/cie_to_munsell.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"

namespace tintara::workspace {

namespace {
bool positiveSum(float X, float Y, float Z) {
    const double sum = double(X) + Y + Z;
    return std::isfinite(sum) && sum > 0;
}

// A number brought to two decimals the way the XYZ boxes show it.
float twoDecimals(float value) { return float(textio::parseNumber(textio::format(value, "###.00")).value_or(0.0)); }
}  // namespace

// Searches the illuminant-C table with X, Y, Z exactly as the boxes hold them:
// measured values are C values, and the boxes are what the person sees.
void Form1::ciemun() {
    const auto X = boxNumber(Text11[0]), Y = boxNumber(Text11[1]), Z = boxNumber(Text11[2]);
    if (!X || !Y || !Z || !positiveSum(*X, *Y, *Z)) return;
    const double sum = double(*X) + *Y + *Z;
    Text18[0].setText(textio::format(float(*X / sum), ".0000"));
    Text18[1].setText(textio::format(float(*Y / sum), ".0000"));
    float Yv = *Y;
    const auto found = munsell::xyy2mun(*X, Yv, *Z, *corners_, pwd());
    const float V = std::max(found.V, 0.5f);
    float H = twoDecimals(found.H);
    // A colour one of whose value levels lies outside the data can blend to a
    // hue past 100; it is brought back onto the circle.
    while (H > 100) H -= 100;
    Text12[0].setText(hconvert(H));
    Text12[1].setText(textio::format(V, "##0.00"));
    Text12[2].setText(textio::format(found.C, "##0.00"));
    setScrollBars(H, V, found.C);
    if (companions_ && Check2.ticked()) companions_->fillbook();
    if (companions_ && Check4.ticked()) companions_->plotvalue(boxNumberOr0(Text12[1]));
}

void Form1::xyzEntry() {
    const auto X = boxNumber(Text11[0]), Y = boxNumber(Text11[1]), Z = boxNumber(Text11[2]);
    if (!X || !Y || !Z) return refuse("X, Y and Z must be numbers");
    if (!positiveSum(*X, *Y, *Z)) return refuse("X + Y + Z must be more than 0");
    accept();
    finishXyzEntry(*X, *Y, *Z);
}

// The XYZ and x y entries end alike: L*a*b*, the notation, RGB, the swatch.
void Form1::finishXyzEntry(float X, float Y, float Z) {
    showLab(X, Y, Z);
    ciemun();
    xyzrgb(rgbR, rgbG, rgbB, X, Y, Z);
    paintSwatch(false);
}

// x, y with the luminance in the Y box; the Y box keeps its text.
void Form1::xyEntry() {
    const auto x = boxNumber(Text18[0]), y = boxNumber(Text18[1]), Y = boxNumber(Text11[1]);
    if (!x || !y || !Y) return refuse("x, y and Y must be numbers");
    if (*y == 0) return refuse("y must not be 0");
    const float z = float(1.0 - *x - *y);
    float X = float(double(*x) * *Y / *y);
    float Z = float(double(z) * *Y / *y);
    float Yv = *Y;
    if (!positiveSum(X, Yv, Z)) return refuse("X + Y + Z must be more than 0");
    accept();
    Text11[0].setText(textio::format(X, "###.00"));
    Text11[2].setText(textio::format(Z, "###.00"));
    finishXyzEntry(X, Yv, Z);
}

// L*a*b* is read against the C white and carried back to C from the current
// illuminant: measured and stored L*a*b* values are C values.
void Form1::labEntry() {
    const auto L = boxNumber(Text15[0]), a = boxNumber(Text15[1]), b = boxNumber(Text15[2]);
    if (!L || !a || !b) return refuse("L*, a* and b* must be numbers");
    float X = 0, Y = 0, Z = 0;
    if (!colorimetry::labxyz(X, Y, Z, *L, *a, *b)) return refuse("L* must not be below -16");
    if (condition() != colorimetry::Condition::C2) {
        float x = 0, y = 0;
        colorimetry::xyzconvert(colorimetry::Direction::Back, X, Y, Z, x, y, condition());
    }
    if (!positiveSum(X, Y, Z)) return refuse("This L*a*b* gives no colour: X + Y + Z would not be positive");
    accept();
    runStandardDifferenceStep();
    const float xyz[3] = {X, Y, Z};
    for (int i = 0; i < 3; ++i) Text11[i].setText(textio::format(xyz[i], "###.00"));
    xyzrgb(rgbR, rgbG, rgbB, X, Y, Z);
    paintSwatch(true);
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
    writeRgbFields();
    float lin[3];
    for (int i = 0; i < 3; ++i) {
        const float base = float(float(values[i] / display.gain[i + 1]) / 255.0f);
        lin[i] = float(std::pow(double(base), double(1.0f / display.exponent[i + 1])));
    }
    outOfGamut = false;
    Label19.setCaption("");
    paintSwatch(true);
    writeCmyk(lin[0], lin[1], lin[2]);
    finishRgbEntry(lin[0], lin[1], lin[2]);
}

void Form1::writeRgbFields() {
    Text1[0].setText(std::to_string(rgbR));
    Text1[1].setText(std::to_string(rgbG));
    Text1[2].setText(std::to_string(rgbB));
    scrollGuard = true;
    VScroll4.setValue(rgbR);
    VScroll5.setValue(rgbG);
    VScroll6.setValue(rgbB);
    scrollGuard = false;
}

// X, Y, Z of linear RGB, kept to the two decimals the boxes show.
void Form1::finishRgbEntry(float linR, float linG, float linB) {
    float X = 0, Y = 0, Z = 0;
    colorimetry::rgbxyz(linR, linG, linB, X, Y, Z, condition());
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
    const float inks[3] = {c, m, y};
    float lin[3];
    bool clamped = false;
    std::int16_t components[3];
    for (int i = 0; i < 3; ++i) {
        const float base = std::clamp(float((1.0 - inks[i]) - k), 0.0f, 1.0f);
        lin[i] = std::clamp(float(std::pow(double(base), double(1.0f / display.inkExponent[i + 1]))), 0.0f, 1.0f);
        double v =
            std::floor(255.0 * display.gain[i + 1] * std::pow(double(lin[i]), double(display.exponent[i + 1])) + 0.5);
        if (v > 255 || v < 0) clamped = true;
        components[i] = std::int16_t(std::clamp(v, 0.0, 255.0));
    }
    r = lin[0];
    g = lin[1];
    b = lin[2];
    rgbR = components[0];
    rgbG = components[1];
    rgbB = components[2];
    outOfGamut = clamped;
    Label19.setCaption(clamped ? "Out of RGB Range" : "");
    writeRgbFields();
    paintSwatch(false);
    finishRgbEntry(r, g, b);
}

void Form1::rgbScrollChange(int channel, ui::ScrollBar& bar) {
    if (scrollGuard) return;
    Text1[channel].setText(std::to_string(bar.value()));
    Command6_Click();
}

}  // namespace tintara::workspace
