// The Munsell entry: the three Munsell boxes and scroll bars, the conversion
// that brings every other field into step with them, and the standard and
// difference panel that all entries share.
#include <cmath>

#include "munsell/hue_circle.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"

namespace tintara::workspace {

// Hue, value and chroma as the boxes hold them. The hue box keeps the notation as
// typed: it is read from a copy.
void Form1::vezedu() {
    std::string hueText = Text12[0].text();
    float H = 0;
    converth(hueText, H);
    const float V0 = boxNumberOr0(Text12[1]);
    const float C = boxNumberOr0(Text12[2]);
    const float folded = munsell::foldedOnce(H);
    if (!(folded >= 0 && folded < munsell::hueTurn))
        return refuse("Hue " + Text12[0].text() + " lies off the hue circle (0 to 10RP)");
    if (V0 < 0) return refuse("Value must not be negative");
    if (C < 0) return refuse("Chroma must not be negative");
    accept();

    if (companions_ && Check2.ticked()) companions_->fillbook();
    if (companions_ && Check4.ticked()) companions_->plotvalue(V0);
    setScrollBars(H, V0, C);
    H = folded;

    float V = V0, X = 0, Y = 0, Z = 0, x = 0, y = 0;
    const bool inTable = mun2xyz(H, V, C, X, Y, Z, x, y);
    const float xyz[3] = {X, Y, Z};
    for (int i = 0; i < 3; ++i) Text11[i].setText(textio::format(xyz[i], "##0.00"));
    Text18[0].setText(textio::format(x, "0.0000"));
    Text18[1].setText(textio::format(y, "0.0000"));

    showLab(X, Y, Z);
    runStandardDifferenceStep();
    // A notation outside the renotation data has no colour: black, with the
    // gamut message, rather than the faint colour of the 0.01 floor of L*a*b*.
    if (!inTable) X = Y = Z = 0;
    showDataNotice(!inTable);
    xyzrgb(rgbR, rgbG, rgbB, X, Y, Z);
    paintSwatch(false);
}

void Form1::setScrollBars(float H, float V, float C) {
    scrollGuard_ = true;
    if (auto h = nearestWhole(2.0f * H)) VScroll1.setValue(*h);
    if (auto v = nearestWhole(2.0f * V)) VScroll2.setValue(*v);
    if (auto c = nearestWhole(C)) VScroll3.setValue(*c);
    scrollGuard_ = false;
}

// While the panel is hidden the standard follows the current colour; while it
// is shown every new colour is a trial against it. DE is taken from the
// differences as shown, to two decimals.
void Form1::runStandardDifferenceStep() {
    if (!deltaMode_) {
        for (int i = 0; i < 3; ++i) {
            labPair_[0][i] = boxNumberOr0(Text15[i]);
            Text6[i].setText(textio::format(labPair_[0][i], "##.00"));
        }
        return;
    }
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        labPair_[1][i] = boxNumberOr0(Text15[i]);
        Text6[i + 3].setText(textio::format(float(double(labPair_[1][i]) - labPair_[0][i]), "##.00"));
        const float shown = boxNumberOr0(Text6[i + 3]);
        sum += double(shown) * shown;
    }
    Text6[6].setText(textio::format(float(std::sqrt(sum)), "##.00"));
}

void Form1::Command4_Click() {
    deltaMode_ = !deltaMode_;
    Command4.setCaption(deltaMode_ ? "DE" : "STD");
    Picture3.setVisible(deltaMode_);
    for (int i = 0; i < 7; ++i) {
        Label27[i].setVisible(deltaMode_);
        Text6[i].setVisible(deltaMode_);
    }
    Text8.setVisible(deltaMode_);
    if (deltaMode_) labEntry();
    // The trial was painted over the right of the swatch; with the panel gone
    // the whole swatch shows the current colour again, not the standard.
    if (!deltaMode_) paintSwatch(false);
}

// The hue bar runs in half steps over 0..202 and wraps at both ends: its
// bottom (0) is 10RP, its top (202, one step past 100) is 1R.
void Form1::VScroll1_Change() {
    if (scrollGuard_) return;
    float h = float(VScroll1.value()) / 2.0f;
    if (h == 0) h = 100;
    if (h > 100) h = 1;
    std::string text;
    hconvert(h, text);
    Text12[0].setText(text);
    vezedu();
}

void Form1::VScroll2_Change() {
    if (scrollGuard_) return;
    if (VScroll2.value() < 20) Text12[1].setText(textio::plainNumber(float(VScroll2.value()) / 2.0f));
    vezedu();
}

void Form1::VScroll3_Change() {
    if (scrollGuard_) return;
    Text12[2].setText(std::to_string(VScroll3.value()));
    vezedu();
}

}  // namespace tintara::workspace
