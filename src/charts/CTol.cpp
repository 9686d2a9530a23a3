// The tolerance chart: layout, MakeCTol, the tolerance bars and "Save Palette".
#include "charts/CTol.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_mode.h"
#include "charts/tolerance_palette.h"
#include "colorimetry/adaptation.h"
#include "colorimetry/lab.h"
#include "datafiles/palette_record.h"
#include "datafiles/whole_file.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"

namespace tintara::charts {

using colorimetry::Condition;
using colorimetry::Xyz;
using ui::TwipRect;

namespace {
constexpr ui::Rgb windowGrey{192, 192, 192};
constexpr int chartWidth = 7125, chartHeight = 5205;
constexpr int chipSide = 1095;
// Chips touch their neighbours, their edges one pixel over each other.
constexpr int chipLeftTop[CTol::chipCount][2] = {{2160, 1920}, {2160, 840},  {2160, 3000}, {3240, 2400},
                                                 {1080, 1320}, {3240, 1320}, {1080, 2400}};

// Beside chips 1..6: the name at the first position, the offset at the second.
constexpr int nameAt[6][2] = {{2280, 240}, {2280, 4440}, {3360, 3840}, {1200, 720}, {3480, 720}, {1200, 3840}};
constexpr int offsetAt[6][2] = {{2280, 480}, {2280, 4200}, {3360, 3600}, {1200, 960}, {3480, 960}, {1200, 3600}};
constexpr const char* names[6] = {"Lighter", "Darker", "Redder", "Greener", "Yellower", "Bluer"};

// The tolerance bars hold tenths of a CIELAB unit: 1.0 to 20.0, 5.0 at first.
constexpr int leastTenths = 10, mostTenths = 200, firstTenths = 50;
constexpr float tenthsPerUnit = 10.0f;

// The order the chips are computed in, the standard last, with the axis each
// moves along (0 L*, 1 a*, 2 b*) and the direction.
constexpr int order[CTol::chipCount] = {1, 2, 3, 4, 5, 6, 0};
constexpr int axisOf[CTol::chipCount] = {0, 0, 0, 1, 1, 2, 2};
constexpr float signOf[CTol::chipCount] = {0, 1, -1, 1, -1, 1, -1};

// Below L* 0 there is no colour (and below -16 no cube root): a darker chip
// under a dark standard stops at black.
constexpr float lowestL = 0.0f;

bool positiveSum(const Xyz& c) {
    const double sum = double(c.X) + c.Y + c.Z;
    return std::isfinite(sum) && sum > 0;
}
}  // namespace

CTol::CTol(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files,
           workspace::CompanionWindows& companions)
    : ChartWindow("CTol", "Munsell Color Tolerance Set", chartWidth, chartHeight, windowGrey, main, platform),
      Frame1("Frame1", {4680, 840, 2295, 1695}, "Tolerance"),
      Frame2("Frame2", {4680, 2760, 2295, 1575}, "Standard CIELAB  "),
      Check1("Check1", {4800, 4560, 1455, 255}, "Black Lines"),
      Command1("Command1", {240, 240, 855, 330}, "Print"),
      Command2("Command2", {240, 4440, 1335, 330}, "Save Palette"),
      files_(std::move(files)),
      companions_(companions) {
    layOut();
    for (int i = 0; i < 3; ++i) {
        HScroll1[i].onChange = [this, i] { HScroll1_Change(i); };
        Text2[i].selectAllOnFocus = true;
        Text2[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) redrawFromBoxes();
        };
    }
    Check1.onClick = [this] { Check1_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Form_Load();
}

TwipRect CTol::chipRect(int i) { return {chipLeftTop[i][0], chipLeftTop[i][1], chipSide, chipSide}; }

void CTol::layOut() {
    for (int i = 0; i < 6; ++i) {
        add(Label3.add("Label3", TwipRect{nameAt[i][0], nameAt[i][1], 975, 255}));
        add(Label2.add("Label2", TwipRect{offsetAt[i][0], offsetAt[i][1], 975, 255}));
    }
    add(Frame1);
    const char* axes[3] = {"DL", "DA", "DB"};
    for (int i = 0; i < 3; ++i) {
        add(Label1.add("Label1", TwipRect{120, 360 + 480 * i, 375, 255}, axes[i]), &Frame1);
        add(HScroll1.add("HScroll1", TwipRect{480, 330 + 480 * i, 1695, 255}, ui::Orientation::Horizontal, leastTenths,
                         mostTenths, firstTenths, 10, 50),
            &Frame1);
    }
    add(Frame2);
    for (int i = 0; i < 3; ++i) {
        add(Label4.add("Label4", TwipRect{240, 360 + 390 * i, 375, 255}), &Frame2);
        add(Text2.add("Text2", TwipRect{720, 300 + 390 * i, 1335, 330}), &Frame2);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Check1, &Command1, &Command2}) add(*c);
}

void CTol::Form_Load() {
    const char* axes[3] = {"L*", "a*", "b*"};
    for (int i = 0; i < 3; ++i) Label4[i].setCaption(axes[i]);
    for (int i = 0; i < 6; ++i) Label3[i].setCaption(names[i]);
    for (int i = 0; i < 3; ++i) tol[std::size_t(i)] = float(HScroll1[i].value()) / tenthsPerUnit;
    writeOffsetCaptions();
    paintChips();
}

// "L -" has no blank of its own, "A - " and "B - " have one, as they always had.
void CTol::writeOffsetCaptions() {
    const std::string dL = textio::signedNumber(tol[0]), da = textio::signedNumber(tol[1]),
                      db = textio::signedNumber(tol[2]);
    const std::string captions[6] = {"L +" + dL, "L -" + dL, "A +" + da, "A - " + da, "B +" + db, "B - " + db};
    for (int i = 0; i < 6; ++i) Label2[i].setCaption(captions[i]);
}

void CTol::MakeCTol(float L, float a, float b) {
    const ChartModeScope chart(main_);
    const float standard[3] = {L, a, b};
    for (int i = 0; i < 3; ++i) Text2[i].setText(textio::format(standard[i], "###.00"));
    for (int chip : order) {
        float lab[3] = {L, a, b};
        const int axis = axisOf[chip];
        lab[axis] = float(double(lab[axis]) + double(signOf[chip]) * tol[std::size_t(axis)]);
        makeChip(chip, lab[0], lab[1], lab[2]);
    }
    paintChips();
}

// The L*a*b* the main window shows was measured against the illuminant's own
// white: each chip is read back against the same white, so the standard chip
// is the main window's colour, and is carried to illuminant C for the table
// search.
void CTol::makeChip(int chip, float L, float a, float b) {
    const colorimetry::Lab lab{std::max(L, lowestL), a, b};
    const Condition condition = main_.condition();
    const auto colour = colorimetry::xyzFromLab(lab, colorimetry::whiteOf(condition));
    xyz[std::size_t(chip)] = colour.value_or(Xyz{});
    const Xyz searched = colorimetry::adaptToC(xyz[std::size_t(chip)], condition);
    // A colour without a positive X + Y + Z (black, or L*a*b* beyond any real
    // colour) has no notation and does not reach the search.
    hvc[std::size_t(chip)] = {};
    if (positiveSum(searched)) {
        float H = 0, V = 0, C = 0, Y = searched.Y;
        main_.xyy2mun(H, V, C, searched.X, Y, searched.Z);
        std::string hue;
        main_.hconvert(H, hue);
        hvc[std::size_t(chip)] = {hue, textio::signedNumber(V), textio::signedNumber(C)};
    }
    float X = xyz[std::size_t(chip)].X, Y = xyz[std::size_t(chip)].Y, Z = xyz[std::size_t(chip)].Z;
    main_.xyzrgb(main_.rgbR, main_.rgbG, main_.rgbB, X, Y, Z);
    rgb[std::size_t(chip)] = {main_.rgbR, main_.rgbG, main_.rgbB};
    const ui::Rgb fill = ui::clampedRgb(main_.rgbR, main_.rgbG, main_.rgbB);
    Shape1[std::size_t(chip)] = {fill, Check1.ticked() ? ui::black : fill};
}

void CTol::paintChips() {
    ui::Surface& s = Drawing.surface();
    s.clear(windowGrey);
    for (int i = 0; i < chipCount; ++i) {
        const TwipRect r = chipRect(i);
        s.fillRect(px(r.left), px(r.top), px(r.width), px(r.height), Shape1[std::size_t(i)].fill,
                   ui::BorderStyle::Solid, Shape1[std::size_t(i)].border);
    }
    Drawing.refresh();
}

void CTol::HScroll1_Change(int index) {
    tol[std::size_t(index)] = float(HScroll1[index].value()) / tenthsPerUnit;
    writeOffsetCaptions();
    redrawFromBoxes();
}

void CTol::redrawFromBoxes() {
    float standard[3];
    for (int i = 0; i < 3; ++i) {
        const auto number = workspace::boxNumber(Text2[i]);
        if (!number) {
            platform_.dialogs.messageBox("The standard's " + Label4[i].caption() + " (" + Text2[i].text() +
                                             ") is not a number: the chips stay as they were",
                                         ui::MessageButtons::OK, ui::MessageIcon::Critical, caption());
            return;
        }
        standard[i] = *number;
    }
    MakeCTol(standard[0], standard[1], standard[2]);
}

// The file is written whole; the palette viewer then shows it. The main
// window's palette file is the person's: it is pointed at Cpalette.csv only
// while the viewer reads it, so the next "Save to Palette" goes where it went.
void CTol::Command2_Click() {
    const ui::DateTime now = platform_.clock.now();
    const std::string date = datafiles::recordDate(now.month, now.day, now.year);
    const std::string time = datafiles::recordTime(now.hour, now.minute, now.second);
    std::string text;
    for (int chip = chipCount - 1; chip >= 0; --chip)
        text += tolerancePaletteLine(date, time, chip, hvc[std::size_t(chip)], rgb[std::size_t(chip)]);
    std::string error;
    if (!datafiles::replaceFile(files_.workingDir / paletteName, text, error, main_.writeSeam)) {
        platform_.dialogs.messageBox(error, ui::MessageButtons::OK, ui::MessageIcon::Critical, "Save Palette");
        return;
    }
    if (!companions_.available(workspace::Companion::PaletteViewer)) {
        main_.Text3.setText(std::string("The tolerance set was saved to ") + paletteName);
        return;
    }
    const std::string previous = main_.paletteFile;
    main_.paletteFile = paletteName;
    companions_.show(workspace::Companion::PaletteViewer);
    companions_.GetData(2);
    main_.paletteFile = previous;
}

}  // namespace tintara::charts
