// The main window's controls: names, captions, initial texts and positions in
// twips on a client area of 10575 by 7005.
#include "workspace/form1.h"

namespace tintara::workspace {

using ui::Orientation;
using ui::TwipRect;

namespace {
constexpr ui::Rgb windowGrey{192, 192, 192};
constexpr int rowTop[4] = {720, 1200, 1680, 2160};
constexpr int boxHeight = 375;

ui::Font entryFont() { return ui::Font{"Arial", 9.75f, false}; }
}  // namespace

Form1::Form1(ui::Platform& platform, FileLocations files)
    : ui::Window("Form1", "Tintara - Munsell Colour Workbench", 10575, 7005, windowGrey),
      VScroll1("VScroll1", {2400, 720, 255, boxHeight}, Orientation::Vertical, 202, 0, 0),
      VScroll2("VScroll2", {2400, 1200, 255, boxHeight}, Orientation::Vertical, 20, 1, 1),
      VScroll3("VScroll3", {2400, 1680, 255, boxHeight}, Orientation::Vertical, 40, 0, 0),
      VScroll4("VScroll4", {6240, 720, 255, boxHeight}, Orientation::Vertical, 255, 0, 255),
      VScroll5("VScroll5", {6240, 1200, 255, boxHeight}, Orientation::Vertical, 255, 0, 255),
      VScroll6("VScroll6", {6240, 1680, 255, boxHeight}, Orientation::Vertical, 255, 0, 0),
      Picture1("Picture1", {720, 2280, 1812, 1575}, windowGrey),
      Picture3("Picture3", {840, 0, 975, 1575}, windowGrey),
      Picture2("Picture2", {8160, 4080, 2295, 1095}, windowGrey),
      Command4("Command4", {3120, 3420, 855, 330}, "STD"),
      Text8("Text8", {4080, 2280, 2175, 285}, "STD             TRI"),
      Label19("Label19", {720, 3900, 1815, 255}),
      Frame2("Frame2", {8160, 600, 2295, 1335}, "Illuminant"),
      Label1("Label1", {8160, 2040, 2295, 495}, "Illuminant C  2\u00b0   Standard Observer "),
      Check1("Check1", {8160, 2640, 1095, 255}, "PWD"),
      Check2("Check2", {120, 4200, 2415, 255}, "Display Hue Page"),
      Check3("Check3", {120, 4530, 2415, 255}, "Color Tolerence Set"),
      Check4("Check4", {120, 4860, 2415, 255}, "Display Value Page"),
      Check5("Check5", {120, 5190, 2415, 255}, "Display ColorChecker"),
      Check6("Check6", {120, 5520, 2415, 255}, "Image Analysis"),
      Check7("Check7", {120, 5850, 2415, 255}, "3D Display of HVC "),
      Label4("Label4", {8160, 3090, 615, 255}, "Gamma"),
      Text5("Text5", {8820, 3030, 495, 330}, "2.2"),
      VScroll8("VScroll8", {9360, 2940, 255, 495}, Orientation::Vertical, 30, 10, 22),
      VScroll7("VScroll7", {10080, 2640, 255, 1335}, Orientation::Vertical, 50, 100, 100, 1, 10),
      Command1("Command1", {120, 120, 855, 330}, "Help"),
      Command2("Command2", {1080, 120, 855, 330}, "Exit"),
      Command9("Command9", {2040, 120, 855, 330}, "About"),
      printB("printB", {3000, 120, 855, 330}, "PRINT"),
      Command11("Command11", {3960, 120, 1455, 330}, "Save to Palette"),
      Command3("Command3", {5640, 4200, 1335, 330}, "Make Table"),
      import("import", {5640, 4680, 1335, 330}, "Import"),
      stopImport("stopImport", {5640, 5160, 1335, 330}, "Stop"),
      Frame1("Frame1", {2760, 4080, 2655, 1695}, "Instrument"),
      Combo1("Combo1", {120, 300, 2415, 315}, "Inst"),
      Command7("Command7", {120, 780, 1155, 375}, "Calibrate"),
      Command8("Command8", {1380, 780, 1155, 375}, "Measure"),
      Text4("Text4", {1140, 1260, 375, 315}, "1"),
      Label3("Label3", {120, 1290, 975, 255}, "Comm Port"),
      Label23("Label23", {240, 6450, 855, 255}, "Messages"),
      Text3("Text3", {1200, 6390, 9135, 375}),
      Label26("Label26", {2760, 5880, 1215, 255}, "Imported File"),
      Label6("Label6", {3960, 5880, 6495, 255}),
      Label5("Label5", {9720, 120, 735, 375}, "ZOL"),
      Label21("Label21", {5640, 60, 3855, 315}, "Tintara"),
      Label22("Label22", {5640, 360, 3855, 255}, "Munsell colour workbench"),
      Label24("Label24", {1560, 480, 1095, 225}, "Munsell"),
      Label25("Label25", {3120, 480, 2175, 225}, "CIE"),
      Shape1("Shape1", {120, 6240, 10335, 660}),
      Label7("Label7", {2760, 780, 300, 255}, "X"),
      Label8("Label8", {120, 780, 1395, 255}, "Hue  (eg, 5.6R)"),
      Label9("Label9", {2760, 1260, 300, 255}, "Y"),
      Label10("Label10", {120, 1260, 1395, 255}, "Value        (1-9)"),
      Label11("Label11", {2760, 1740, 300, 255}, "Z"),
      Label12("Label12", {120, 1740, 1395, 255}, "Chroma (0-28+)"),
      Label13("Label13", {4080, 780, 330, 255}, "L*"),
      Label14("Label14", {4080, 1260, 330, 255}, "a*"),
      Label15("Label15", {4080, 1740, 330, 255}, "b*"),
      Label16("Label16", {2760, 2340, 300, 255}, "sx"),
      Label17("Label17", {2760, 2700, 300, 255}, "sy"),
      platform_(platform),
      files_(std::move(files)),
      table_(std::make_unique<munsell::RenotationTable>()) {
    layOutEntryFields();
    layOutDifferencePanel();
    layOutDisplayControls();
    layOutInstrumentAndMessages();
    addControls();
    wireEvents();
}

Form1::~Form1() = default;

void Form1::layOutEntryFields() {
    const char* munsell[3] = {"5.6R", "6.1", "6.2"};
    for (int i = 0; i < 3; ++i) {
        Text12.add("Text12", TwipRect{1560, rowTop[i], 795, boxHeight}, munsell[i]);
        Text11.add("Text11", TwipRect{3120, rowTop[i], 855, boxHeight});
        Text15.add("Text15", TwipRect{4440, rowTop[i], 855, boxHeight});
        Text1.add("Text1", TwipRect{5640, rowTop[i], 555, boxHeight});
    }
    for (int i = 0; i < 2; ++i) Text18.add("Text18", TwipRect{3120, 2280 + 360 * i, 855, 330});
    for (int i = 0; i < 4; ++i) Text2.add("Text2", TwipRect{7200, rowTop[i], 735, boxHeight});
    const char* rgbNames[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) Label18.add("Label18", TwipRect{5400, rowTop[i] + 60, 225, 255}, rgbNames[i]);
    const char* inkNames[4] = {"C", "M", "Y", "K"};
    for (int i = 0; i < 4; ++i) Label20.add("Label20", TwipRect{6960, rowTop[i] + 60, 225, 255}, inkNames[i]);
    for (int i = 0; i < 3; ++i)
        Option1.add("Option1", TwipRect{120, 240 + 330 * i, 1935, 285},
                    colorimetry::conditionData(colorimetry::Condition(i)).caption);
    std::vector<ui::OptionButton*> group;
    for (int i = 0; i < 3; ++i) group.push_back(&Option1[i]);
    for (int i = 0; i < 3; ++i) Option1[i].setGroup(group);
}

void Form1::layOutDifferencePanel() {
    const char* captions[7] = {"L*", "a*", "b*", "DL", "Da", "Db", "DE"};
    for (int i = 0; i < 7; ++i) {
        const bool trial = i >= 3;
        const int row = trial ? i - 3 : i;
        const int left = trial ? 5280 : 4080;
        Label27.add("Label27", TwipRect{left, 2640 + 330 * row, 330, 255}, captions[i]);
        Text6.add("Text6", TwipRect{left + 360, 2610 + 330 * row, 735, 300});
    }
}

void Form1::layOutDisplayControls() {
    Label19.setForeColor(ui::Rgb{255, 0, 0});
    Label5.setForeColor(ui::Rgb{0, 0, 255});
    Label5.setBackColor(ui::Rgb{224, 224, 224});
    Label5.setFont(ui::Font{"Arial", 12.0f, true});
    Label21.setFont(ui::Font{"Arial", 12.0f, true});
    Label22.setFont(ui::Font{"Arial", 8.25f, false});
    Label24.setFont(ui::Font{"Arial", 8.25f, true});
    Label25.setFont(ui::Font{"Arial", 8.25f, true});
    Label1.wordWrap = true;
    Shape1.filled = false;
    Shape1.setBorderColor(ui::Rgb{128, 128, 128});
}

void Form1::layOutInstrumentAndMessages() {
    for (auto* box : {&Text3, &Text4, &Text5, &Text8}) box->setFont(entryFont());
    for (int i = 0; i < 7; ++i) Text6[i].setFont(entryFont());
    auto entryBoxes = {&Text12, &Text11, &Text18, &Text15, &Text1, &Text2};
    for (auto* boxes : entryBoxes)
        for (int i = 0; i < boxes->size(); ++i) {
            (*boxes)[i].setFont(entryFont());
            (*boxes)[i].selectAllOnFocus = true;
        }
}

void Form1::addControls() {
    add(Label21);
    add(Label22);
    add(Label5);
    add(Command1);
    add(Command2);
    add(Command9);
    add(printB);
    add(Command11);
    add(Label24);
    add(Label25);
    add(Label8);
    add(Label10);
    add(Label12);
    for (int i = 0; i < 3; ++i) add(Text12[i]);
    add(VScroll1);
    add(VScroll2);
    add(VScroll3);
    add(Label7);
    add(Label9);
    add(Label11);
    for (int i = 0; i < 3; ++i) add(Text11[i]);
    add(Label16);
    add(Label17);
    for (int i = 0; i < 2; ++i) add(Text18[i]);
    add(Label13);
    add(Label14);
    add(Label15);
    for (int i = 0; i < 3; ++i) add(Text15[i]);
    for (int i = 0; i < 3; ++i) {
        add(Label18[i]);
        add(Text1[i]);
    }
    add(VScroll4);
    add(VScroll5);
    add(VScroll6);
    for (int i = 0; i < 4; ++i) {
        add(Label20[i]);
        add(Text2[i]);
    }
    add(Picture1);
    add(Picture3, &Picture1);
    add(Text8);
    for (int i = 0; i < 7; ++i) {
        add(Label27[i]);
        add(Text6[i]);
    }
    add(Command4);
    add(Label19);
    add(Frame2);
    for (int i = 0; i < 3; ++i) add(Option1[i], &Frame2);
    add(Label1);
    add(Check1);
    add(Label4);
    add(Text5);
    add(VScroll8);
    add(VScroll7);
    add(Picture2);
    for (auto* check : {&Check2, &Check3, &Check4, &Check5, &Check6, &Check7}) add(*check);
    add(Frame1);
    add(Combo1, &Frame1);
    add(Command7, &Frame1);
    add(Command8, &Frame1);
    add(Label3, &Frame1);
    add(Text4, &Frame1);
    add(Command3);
    add(import);
    stopImport.setVisible(false);
    add(stopImport);
    add(Label26);
    add(Label6);
    add(Shape1);
    add(Label23);
    add(Text3);
}

}  // namespace tintara::workspace
