// The Hue page: layout, fillbook, the hue scroll bar and the chip click.
#include "charts/book.h"

#include <cmath>
#include <string>

#include "charts/chart_mode.h"
#include "munsell/hue_circle.h"
#include "munsell/hue_notation.h"

namespace tintara::charts {

using ui::TwipRect;

namespace {
constexpr ui::Rgb windowGrey{192, 192, 192};
constexpr int pageWidth = 12180, pageHeight = 7950;

// The grid of chips: column k (chroma 2 k) from the left, row j (value 9 - j)
// from the top, each chip 615 twips square with 105 twips between chips.
constexpr int gridLeft = 1320, gridTop = 120, pitch = 720, chipSide = 615;
constexpr int columns = 15, rows = 10;
constexpr int blackChip = 9;  // value 0 of the neutral column

// mun2xyz gives X = Y = Z = 0 for a chip the renotation data do not hold;
// anything below this is taken as such.
constexpr float leastTristimulus = 0.02f;

// The value labels' indices in Label1 for values 9, 8 ... 0, and the chroma
// labels' index for each column.
constexpr int valueLabel[rows] = {7, 8, 2, 3, 4, 5, 6, 1, 0, 9};
constexpr int chromaLabel[columns] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 24};
constexpr int hueLabel = 23;
constexpr const char* legend[10] = {"5R", "5YR", "5Y", "5GY", "5G", "5BG", "5B", "5PB", "5P", "5RP"};
}  // namespace

book::book(workspace::Form1& main, ui::Platform& platform)
    : ChartWindow("book", "Munsell Book of Color", pageWidth, pageHeight, windowGrey, main, platform),
      VScroll1("VScroll1", {480, 1560, 255, 4455}, ui::Orientation::Vertical, 0, 100, 0, 1, 10),
      Label2("Label2", {120, 1320, 375, 255}, "Hue"),
      Label3("Label3", {600, 0, 615, 255}, "Value"),
      Label4("Label4", {1320, 7560, 1335, 255}, "Chroma > > > >"),
      Label6("Label6", {4680, 7560, 5175, 255}, "Colors with a dotted border cannot be displayed correctly on a CRT"),
      Command1("Command1", {120, 6840, 732, 252}, "PRINT") {
    layOut();
    VScroll1.onChange = [this] { VScroll1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Drawing.onMouseDown = [this](ui::MouseButton b, int shift, float x, float y) { Form_MouseDown(b, shift, x, y); };
    paintChips();
}

void book::layOut() {
    std::string captions[26];
    TwipRect rects[26];
    for (int j = 0; j < rows; ++j) {
        captions[valueLabel[j]] = std::to_string(9 - j);
        rects[valueLabel[j]] = {960, 240 + pitch * j, 255, 375};
    }
    for (int k = 0; k < columns; ++k) {
        captions[chromaLabel[k]] = k == 0 ? "N" : std::to_string(2 * k);
        rects[chromaLabel[k]] = {1560 + pitch * k, 7320, 255, 375};
    }
    rects[hueLabel] = {840, 7320, 615, 375};
    for (int i = 0; i < 26; ++i) add(Label1.add("Label1", rects[i], captions[i]));
    for (int i = 0; i < 10; ++i) add(Label5.add("Label5", TwipRect{120, 2160 + 360 * i, 495, 255}, legend[i]));
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label2, &Label3, &Label4, &Label6, &VScroll1, &Command1})
        add(*c);
}

int book::chipIndex(float C, float V) { return int(std::nearbyint(5.0f * C + 9.0f - V)); }

TwipRect book::chipRect(int i) {
    return {gridLeft + pitch * (i / rows), gridTop + pitch * (i % rows), chipSide, chipSide};
}

int book::chipAt(float X, float Y) {
    const double across = (double(X) - gridLeft) / pitch, down = (double(Y) - gridTop) / pitch;
    if (!(across >= 0 && across < columns && down >= 0 && down < rows)) return -1;
    const int k = int(across), j = int(down);
    const TwipRect r = chipRect(k * rows + j);
    // Whole pixels: the chip covers the pixels its drawing lit.
    const int x = px(X) - px(r.left), y = px(Y) - px(r.top);
    if (x >= px(chipSide) || y >= px(chipSide)) return -1;
    return k * rows + j;
}

void book::fillbook() {
    const ChartModeScope chart(main_);
    show();
    const std::string hueText = main_.Text12[0].text();
    // Read without a message: the main window answers a hue it cannot read.
    const float H = munsell::foldedOnce(munsell::parseHue(hueText).hue);
    scrollGuard_ = true;
    if (std::fabs(H) <= float(VScroll1.bottom())) VScroll1.setValue(int(std::nearbyint(H)));
    scrollGuard_ = false;
    Label1[hueLabel].setCaption(hueText);
    Shape1[blackChip] = {ui::black, ui::BorderStyle::Solid, true};
    for (int k = 0; k < columns; ++k) {
        const float C = 2.0f * float(k);
        for (int V = 1; V <= 9; ++V) {
            float value = float(V), X = 0, Y = 0, Z = 0, x = 0, y = 0;
            main_.mun2xyz(H, value, C, X, Y, Z, x, y);
            Chip chip;
            if (X >= leastTristimulus && Y >= leastTristimulus) {
                main_.xyzrgb(main_.rgbR, main_.rgbG, main_.rgbB, X, Y, Z);
                chip = {ui::clampedRgb(main_.rgbR, main_.rgbG, main_.rgbB),
                        main_.outOfGamut() ? ui::BorderStyle::Dotted : ui::BorderStyle::Solid, true};
            } else {
                main_.rgbR = main_.rgbG = main_.rgbB = windowGrey.r;
            }
            Shape1[chipIndex(C, float(V))] = chip;
        }
    }
    paintChips();
}

void book::paintChips() {
    ui::Surface& s = Drawing.surface();
    s.clear(windowGrey);
    for (int i = 0; i < chipCount; ++i) {
        const TwipRect r = chipRect(i);
        s.fillRect(px(r.left), px(r.top), px(r.width), px(r.height), Shape1[i].fill, Shape1[i].border, ui::black);
    }
    Drawing.refresh();
}

void book::VScroll1_Change() {
    if (scrollGuard_) return;
    std::string text;
    main_.hconvert(float(VScroll1.value()), text);
    main_.Text12[0].setText(text);
    fillbook();
}

void book::Form_MouseDown(ui::MouseButton, int, float X, float Y) {
    const int i = chipAt(X, Y);
    // The window's grey, between the chips or on a chip the data do not hold,
    // is no colour of the page.
    if (i < 0 || !Shape1[i].painted) return;
    ui::Rgb c;
    if (!Drawing.colorAt(X, Y, c)) return;
    // A component at either end of the range belongs to black or to a colour
    // clipped to the display (a dotted chip), whose notation the main window
    // would not find again. Its numbers alone in the RGB boxes would leave the
    // main window showing two colours at once, so it is left as it is.
    for (int v : {c.r, c.g, c.b})
        if (v == 0 || v == 255) return;
    main_.Text1[0].setText(std::to_string(c.r));
    main_.Text1[1].setText(std::to_string(c.g));
    main_.Text1[2].setText(std::to_string(c.b));
    main_.Command6_Click();
}

}  // namespace tintara::charts
