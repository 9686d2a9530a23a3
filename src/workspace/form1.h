// The main window: the conversion workspace. It holds the current colour and
// shows it at once as Munsell notation, X Y Z, x y, L*a*b*, display RGB and
// CMYK; every entry form converts to all the others. It owns the state the other
// windows read and the conversions they call.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "colorimetry/conditions.h"
#include "colorimetry/display.h"
#include "instruments/config_file.h"
#include "instruments/dialogue.h"
#include "instruments/spectral.h"
#include "munsell/hue_notation.h"
#include "munsell/renotation_corners.h"
#include "munsell/renotation_table.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/services.h"
#include "ui/window.h"
#include "workspace/companions.h"
#include "workspace/file_locations.h"

namespace tintara::workspace {

class Form1 : public ui::Window {
public:
    Form1(ui::Platform& platform, FileLocations files);
    ~Form1() override;

    // Start-up; false with a message when the renotation table cannot be read,
    // in which case the program does not come up.
    bool Form_Load(std::string& error);

    // Starts with this instrument and port instead of those of the
    // configuration file (the command line measures without touching it).
    void presetConfiguration(instruments::InstrumentConfig config) { preset_ = std::move(config); }

    // The other windows, once they exist; the main window works without them.
    void setCompanions(CompanionWindows* companions) { companions_ = companions; }

    // ---- Controls ----------------------------------------------------------
    ui::ControlArray<ui::TextBox> Text12;  // Munsell hue, value, chroma
    ui::ScrollBar VScroll1, VScroll2, VScroll3;
    ui::ControlArray<ui::TextBox> Text11;  // X, Y, Z
    ui::ControlArray<ui::TextBox> Text18;  // x, y
    ui::ControlArray<ui::TextBox> Text15;  // L*, a*, b*
    ui::ControlArray<ui::TextBox> Text1;   // R, G, B
    ui::ScrollBar VScroll4, VScroll5, VScroll6;
    ui::ControlArray<ui::TextBox> Text2;  // C, M, Y, K
    ui::PictureBox Picture1, Picture3, Picture2;
    ui::Button Command4;
    ui::TextBox Text8;
    ui::ControlArray<ui::TextBox> Text6;  // standard L*a*b*, DL Da Db, DE
    ui::ControlArray<ui::Label> Label27;
    ui::Label Label19;
    ui::Frame Frame2;
    ui::ControlArray<ui::OptionButton> Option1;
    ui::Label Label1;
    ui::CheckBox Check1, Check2, Check3, Check4, Check5, Check6, Check7;
    ui::Label Label4;
    ui::TextBox Text5;
    ui::ScrollBar VScroll8, VScroll7;
    ui::Button Command1, Command2, Command9, printB, Command11, Command3, import;
    ui::Frame Frame1;
    ui::ComboBox Combo1;
    ui::Button Command7, Command8;
    ui::TextBox Text4;
    ui::Label Label3, Label23;
    ui::TextBox Text3;
    ui::Label Label26, Label6, Label5, Label21, Label22, Label24, Label25;
    ui::Shape Shape1;
    ui::Label Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15, Label16, Label17;
    ui::ControlArray<ui::Label> Label18;  // R, G, B
    ui::ControlArray<ui::Label> Label20;  // C, M, Y, K

    // ---- State other windows read -----------------------------------------
    std::int16_t rgbR = 0, rgbG = 0, rgbB = 0;
    bool deltaMode = false;
    float labPair[3][5] = {};
    bool scrollGuard = false;
    colorimetry::DisplaySettings display;
    std::string versionText;
    std::string instName;
    int commPort = 1;
    bool chartMode = false;
    bool outOfGamut = false;
    std::array<std::string, 11> hueNames;
    instruments::Weights weights;
    instruments::Reflectance refl{};
    std::string paletteFile;
    std::string paletteTag;

    // ---- Conversions the windows share -------------------------------------
    colorimetry::Condition condition() const;
    bool pwd() const { return Check1.ticked(); }
    const munsell::RenotationTable& renotationTable() const { return *table_; }
    void xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b);
    void xyzrgb(std::int16_t& R, std::int16_t& G, std::int16_t& B, float& X, float& Y, float& Z);
    bool mun2xyz(float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y);
    // Reads hue notation and shows "Format Error" when it names no family.
    float converth(std::string& text);
    std::string hconvert(float H) const { return munsell::hconvert(H); }

    // ---- Entry procedures --------------------------------------------------
    void vezedu();
    void ciemun();
    void xyzEntry();
    void xyEntry();
    void labEntry();
    void Command6_Click();
    void cmyk();
    void cmykrgb(float c, float m, float y, float k, float& r, float& g, float& b);

    // ---- Handlers ----------------------------------------------------------
    void Option1_Click(int index);
    void Text3_Change();
    void Command4_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change() { rgbScrollChange(0, VScroll4); }
    void VScroll5_Change() { rgbScrollChange(1, VScroll5); }
    void VScroll6_Change() { rgbScrollChange(2, VScroll6); }
    void Command2_Click();

    // Swatch, display gamma and white balance, window switches.
    void Picture1_MouseDown(ui::MouseButton button, int shift, float x, float y);
    void Text5_Change();
    void VScroll8_Change();
    void VScroll7_Change();
    void Check2_Click() { switchWindow(Companion::HuePage, Check2); }
    void Check3_Click() { switchWindow(Companion::Tolerance, Check3); }
    void Check4_Click() { switchWindow(Companion::ValuePage, Check4); }
    void Check5_Click() { switchWindow(Companion::ColorChecker, Check5); }
    void Check6_Click() { switchWindow(Companion::ImageAnalysis, Check6); }
    void Check7_Click() { switchWindow(Companion::PaletteViewer, Check7); }

    // Palette file, printing, help.
    // True when the record was written.
    bool SaveData(float askTag);
    void Command11_Click();
    void printB_Click();
    void Command1_Click();
    void Command9_Click();

    // The instrument group.
    void Combo1_Click();
    void Text4_Change();
    void Command8_Click();
    void Command7_Click();

    // The message of the last entry refused, empty when the last one was taken.
    const std::string& refusal() const { return refusal_; }
    // True when the last Measure (or "Import %R") took a new reading and the
    // window converted it.
    bool measurementShown() const { return measurementShown_; }
    // Set when the program should end (Exit, or the window closed).
    bool exitRequested() const { return exitRequested_; }
    std::function<void()> onExit;

private:
    void layOutEntryFields();
    void layOutDifferencePanel();
    void layOutDisplayControls();
    void layOutInstrumentAndMessages();
    void wireEvents();
    void addControls();

    void readConfiguration(bool firstPass);
    void showInstrumentLook();
    void runStandardDifferenceStep();
    void paintSwatch(bool trialSide);
    void writeRgbFields();
    void writeCmyk(float linR, float linG, float linB);
    // L*a*b* of X, Y, Z into the L*a*b* boxes; X, Y, Z raised to 0.01 as xyzlab does.
    void showLab(float& X, float& Y, float& Z);
    void finishXyzEntry(float X, float Y, float Z);
    void rgbScrollChange(int channel, ui::ScrollBar& bar);
    void setScrollBars(float H, float V, float C);
    void refuse(const std::string& message);
    void accept();
    void finishRgbEntry(float linR, float linG, float linB);
    void switchWindow(Companion which, ui::CheckBox& box);
    void recolour();
    void paintLogo();
    bool choosePaletteFile(bool askTag);
    void writeConfiguration(const std::string& name);
    instruments::DialogueContext dialogueContext();

    ui::Platform& platform_;
    FileLocations files_;
    std::unique_ptr<munsell::RenotationTable> table_;
    // The table's corners as floats, for the inverse search.
    std::unique_ptr<munsell::RenotationCorners> corners_;
    CompanionWindows* companions_ = nullptr;
    instruments::MeasureState measureState_;
    std::string refusal_;
    std::optional<instruments::InstrumentConfig> preset_;
    bool exitRequested_ = false;
    bool measurementShown_ = false;
};

}  // namespace tintara::workspace
