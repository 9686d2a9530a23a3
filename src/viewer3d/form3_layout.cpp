// The palette viewer's window: its controls at their places in twips on a
// client area of 13815 by 8310, its menus and its two timers.
#include "viewer3d/form3.h"

namespace tintara::viewer3d {

using ui::Orientation;
using ui::TwipRect;

namespace {

constexpr ui::Rgb viewerGrey{224, 224, 224};
constexpr int viewerWidth = 13815, viewerHeight = 8310;
constexpr int barThickness = 255;
constexpr int rotationStepMs = 1;  // the first step; afterwards the speed bar's
constexpr int redrawMs = 10;

ui::Font listFont() { return ui::Font{"Arial", 9.75f, false}; }

}  // namespace

PaletteTables::PaletteTables()
    : palHVC(paletteCapacity + 1),
      palRGB(paletteCapacity + 1),
      palName(paletteCapacity + 1),
      palHue(paletteCapacity + 1),
      palXY(paletteCapacity + 1) {}

Form3::Form3(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files)
    : ui::Window("Form3", "Tintara - 3D Munsell Palette Viewer", viewerWidth, viewerHeight, viewerGrey),
      Picture1("Picture1", {1800, 1440, 6015, 5895}, viewerGrey),
      Label10("Label10", {3120, 0, 1695, 330}, "ID a Color"),
      Check1("Check1", {4920, 0, 1695, 255}, "Display sample #"),
      Shape1("Shape1", {6720, 360, 1455, 375}),
      Shape2("Shape2", {6720, 720, 1455, 375}),
      Label4("Label4", {2760, 1200, 4455, 255}, "< Left-Click or Right-click on dot to identify >"),
      Label8("Label8", {10560, 240, 1455, 420}, "Palette"),
      Text1("Text1", {8520, 720, 5175, 285}),
      ProgressTrough("ProgressTrough", {8520, 1035, 5175, 120}),
      ProgressFill("ProgressFill", {8520, 1035, 0, 120}),
      List1("List1", {8520, 1200, 5175, 6300}),
      Label11("Label11", {9480, 7680, 3855, 255}, "< Click on color to identify with white dot >"),
      Command1("Command1", {120, 6960, 735, 255}, "Rotate"),
      Command2("Command2", {900, 6960, 735, 255}, "Stop"),
      HScroll3("HScroll3", {120, 7680, 1455, barThickness}, Orientation::Horizontal, 1, 100, 1, 1, 10),
      Label5("Label5", {120, 7950, 1455, 255}, "Fast           Slow"),
      HScroll1("HScroll1", {3000, 7680, 2895, barThickness}, Orientation::Horizontal, -180, 180, 0, 1, 20),
      Label1("Label1", {3000, 7950, 2895, 255}, "   -180               Rotate                +180"),
      HScroll2("HScroll2", {6360, 7680, 1815, barThickness}, Orientation::Horizontal, 0, 800, 400, 1, 20),
      Label6("Label6", {6360, 7950, 1815, 255}, "Pan X"),
      VScroll1("VScroll1", {7920, 3000, barThickness, 1815}, Orientation::Vertical, 0, 90, 15, 1, 10),
      Label2("Label2", {7920, 2760, 615, 255}, "Tilt"),
      VScroll3("VScroll3", {7920, 5640, barThickness, 1695}, Orientation::Vertical, 0, 400, 200, 1, 20),
      Label7("Label7", {7920, 5400, 615, 255}, "Pan Y"),
      VScroll2("VScroll2", {720, 3120, barThickness, 2055}, Orientation::Vertical, 1, 40, 20, 1, 5),
      mnuFile("mnuFile", "&File"),
      mnuNewPalette("mnuNewPalette", "&New Palette"),
      mnuFileOpen("mnuFileOpen", "&Open Palette"),
      mnuExit("mnuExit", "e&Xit"),
      mnuHelp("mnuHelp", "&Help"),
      Timer1("Timer1", rotationStepMs, false),
      Timer2("Timer2", redrawMs, true),
      main_(main),
      platform_(platform),
      files_(std::move(files)) {
    addControls();
    wireEvents();
    readBars();
}

void Form3::addControls() {
    Label9.add("Label9", TwipRect{1800, 420, 840, 255}, "Left-Click ");
    Label9.add("Label9", TwipRect{1800, 780, 840, 255}, "Right-Click ");
    for (int i = 0; i < 2; ++i) {
        Text3.add("Text3", TwipRect{2640, 360 + 360 * i, 2055, 315});
        Text4.add("Text4", TwipRect{4800, 360 + 360 * i, 1815, 315});
    }
    Label3.add("Label3", TwipRect{480, 2880, 735, 255}, "Zoom +");
    Label3.add("Label3", TwipRect{480, 5220, 735, 255}, "Zoom -");

    Label10.setFont(ui::Font{"Arial", 12.0f, true});
    Label8.setFont(ui::Font{"Arial", 15.75f, true});
    for (int i = 0; i < 2; ++i) {
        Text3[i].setFont(listFont());
        Text4[i].setFont(listFont());
    }
    Text1.setFont(listFont());
    List1.setFont(listFont());
    ProgressTrough.setFillColor(ui::white);
    ProgressTrough.setBorderColor(ui::Rgb{128, 128, 128});
    ProgressFill.setFillColor(ui::Rgb{0, 120, 215});
    ProgressFill.setBorderStyle(ui::BorderStyle::None);
    ProgressTrough.setVisible(false);
    ProgressFill.setVisible(false);
    for (ui::Shape* swatch : {&Shape1, &Shape2}) swatch->setFillColor(viewerGrey);
    for (ui::Button* button : {&Command1, &Command2}) button->setBackColor(viewerGrey);

    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Picture1,       &Label10,      &Check1,   &Label9[0], &Label9[1], &Text3[0], &Text3[1],
             &Text4[0],       &Text4[1],     &Shape1,   &Shape2,    &Label4,    &Label8,   &Text1,
             &ProgressTrough, &ProgressFill, &List1,    &Label11,   &Command1,  &Command2, &HScroll3,
             &Label5,         &HScroll1,     &Label1,   &HScroll2,  &Label6,    &VScroll1, &Label2,
             &VScroll3,       &Label7,       &VScroll2, &Label3[0], &Label3[1]})
        add(*c);

    mnuFile.add(mnuNewPalette);
    mnuFile.add(mnuFileOpen);
    mnuFile.add(mnuExit);
    addMenu(mnuFile);
    addMenu(mnuHelp);
    addTimer(Timer1);
    addTimer(Timer2);
}

void Form3::wireEvents() {
    Picture1.onMouseDown = [this](ui::MouseButton b, int shift, float x, float y) {
        Picture1_MouseDown(b, shift, x, y);
    };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    VScroll1.onChange = [this] { VScroll1_Change(); };
    VScroll3.onChange = [this] { VScroll3_Change(); };
    mnuNewPalette.onClick = [this] { mnuNewPalette_Click(); };
    mnuFileOpen.onClick = [this] { mnuFileOpen_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuHelp.onClick = [this] { mnuHelp_Click(); };
}

}  // namespace tintara::viewer3d
