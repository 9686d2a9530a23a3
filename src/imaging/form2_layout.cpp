// The image window's controls at their places in twips on a client area of
// 15045 by 11220, its menus and the timer that restores a marked block.
#include "imaging/form2.h"

namespace tintara::imaging {

namespace {

constexpr ui::Rgb windowGrey{224, 224, 224};
constexpr int windowWidth = 15045, windowHeight = 11220;

}  // namespace

Form2::Form2(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files,
             workspace::CompanionWindows* companions)
    : ui::Window("Form2", "Munsell Notation Picture Analysis", windowWidth, windowHeight, windowGrey),
      Text2("Text2", {120, 120, 4935, 375}),
      Text3("Text3", {5160, 120, 1335, 375}),
      Text4("Text4", {6600, 120, 1215, 375}),
      Text1("Text1", {8160, 120, 5655, 375}),
      ProgressTrough("ProgressTrough", {9240, 660, 3600, 165}),
      ProgressFill("ProgressFill", {9240, 660, 0, 165}),
      stopPalette("stopPalette", {12960, 600, 855, 285}, "Stop"),
      Text5("Text5", {120, 600, 4935, 285}, "Click on picture to display Munsell Notation"),
      Text6("Text6", {5160, 600, 2655, 285}, "Pixel Location"),
      Text7("Text7", {8160, 600, 975, 285}),
      Picture1("Picture1", {120, 1080, 12060, 9060}, windowGrey),
      mnuFile("mnuFile", "&File"),
      mnuLoadPicture("mnuLoadPicture", "&Load Picture"),
      mnuExit("mnuExit", "e&Xit"),
      mnuOptions("mnuOptions", "&Options"),
      mnuDisplayMode("mnuDisplayMode", "&Display Mode "),
      mnuMouseClick("mnuMouseClick", "&Mouse Click"),
      mnuContinuous("mnuContinuous", "&Continuous at Mouse Position"),
      mnuSamplePixels("mnuSamplePixels", "Sample Pixels"),
      mnuSample{{{"mnuSample(0)", "1"},
                 {"mnuSample(1)", "9"},
                 {"mnuSample(2)", "25"},
                 {"mnuSample(3)", "49"},
                 {"mnuSample(4)", "81"}}},
      mnuMakePalette("mnuMakePalette", "&Make Palette of Image"),
      mnuClipboard("mnuClipboard", "get clipboard"),
      mnuView3D("mnuView3D", "&View 3D Palette"),
      mnuHelp("mnuHelp", "&Help"),
      blockTimer("blockTimer", blockMarkMs, false),
      main_(main),
      platform_(platform),
      files_(std::move(files)),
      companions_(companions) {
    addControls();
    wireEvents();
}

void Form2::addControls() {
    Picture1.setScaleMode(ui::ScaleMode::Pixels);
    for (ui::TextBox* box : {&Text1, &Text7}) box->setBackColor(ui::white);
    ProgressTrough.setFillColor(ui::white);
    ProgressTrough.setBorderColor(ui::Rgb{128, 128, 128});
    ProgressFill.setFillColor(ui::Rgb{0, 120, 215});
    ProgressFill.setBorderStyle(ui::BorderStyle::None);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&ProgressTrough, &ProgressFill, &stopPalette})
        c->setVisible(false);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Text2, &Text3, &Text4, &Text1, &ProgressTrough, &ProgressFill,
                                             &stopPalette, &Text5, &Text6, &Text7, &Picture1})
        add(*c);

    mnuFile.add(mnuLoadPicture);
    mnuFile.add(mnuExit);
    mnuDisplayMode.add(mnuMouseClick);
    mnuDisplayMode.add(mnuContinuous);
    for (ui::MenuItem& size : mnuSample) mnuSamplePixels.add(size);
    mnuOptions.add(mnuDisplayMode);
    mnuOptions.add(mnuSamplePixels);
    for (ui::MenuItem* menu : {&mnuFile, &mnuOptions, &mnuMakePalette, &mnuClipboard, &mnuView3D, &mnuHelp})
        addMenu(*menu);
    mnuView3D.setVisible(false);
    addTimer(blockTimer);
}

void Form2::wireEvents() {
    Picture1.onMouseDown = [this](ui::MouseButton b, int shift, float x, float y) {
        Picture1_MouseDown(b, shift, x, y);
    };
    Picture1.onMouseMove = [this](ui::MouseButton b, int shift, float x, float y) {
        Picture1_MouseMove(b, shift, x, y);
    };
    mnuLoadPicture.onClick = [this] { mnuLoadPicture_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuMouseClick.onClick = [this] { mnuMouseClick_Click(); };
    mnuContinuous.onClick = [this] { mnuContinuous_Click(); };
    for (int i = 0; i < int(mnuSample.size()); ++i)
        mnuSample[std::size_t(i)].onClick = [this, i] { mnuSample_Click(i); };
    mnuMakePalette.onClick = [this] { mnuMakePalette_Click(); };
    mnuClipboard.onClick = [this] { mnuClipboard_Click(); };
    mnuView3D.onClick = [this] { mnuView3D_Click(); };
    mnuHelp.onClick = [this] { mnuHelp_Click(); };
    stopPalette.onClick = [this] { stopPalette_Click(); };
    blockTimer.onTimer = [this] { blockTimer_Timer(); };
    // Closed with its frame (or e&Xit) while a palette is written: the palette
    // stops with the records written so far.
    onClose = [this] {
        if (generating_) stopRequested_ = true;
    };
}

}  // namespace tintara::imaging
