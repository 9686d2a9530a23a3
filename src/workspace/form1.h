// The main window: the conversion workspace. It holds the current colour and
// shows it at once as Munsell notation, X Y Z, x y, L*a*b*, display RGB and
// CMYK; every entry form converts to all the others. It owns the state the other
// windows read and the conversions they call.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "colorimetry/conditions.h"
#include "colorimetry/display.h"
#include "datafiles/whole_file.h"
#include "instruments/config_file.h"
#include "instruments/dialogue.h"
#include "instruments/spectral.h"
#include "munsell/cie_to_munsell.h"
#include "munsell/renotation_corners.h"
#include "munsell/renotation_table.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/services.h"
#include "ui/window.h"
#include "workspace/companions.h"
#include "workspace/file_locations.h"
#include "workspace/service_outcome.h"

namespace tintara::workspace {

// The message line's notice for a colour that lies outside the renotation
// data: a Munsell notation the data do not reach, or a colour whose
// chromaticity no cell of either value level around it holds.
inline constexpr const char* outsideDataNotice = "Outside the Munsell renotation data";

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
    ui::ControlArray<ui::TextBox> Text12;        // Munsell hue, value, chroma entry boxes
    ui::ScrollBar VScroll1;                      // hue in half steps, 202 at the top to 0
    ui::ScrollBar VScroll2;                      // value in half steps, 20 at the top to 1
    ui::ScrollBar VScroll3;                      // chroma, 40 at the top to 0
    ui::ControlArray<ui::TextBox> Text11;        // X, Y, Z entry boxes
    ui::ControlArray<ui::TextBox> Text18;        // chromaticity x, y entry boxes
    ui::ControlArray<ui::TextBox> Text15;        // L*, a*, b* entry boxes
    ui::ControlArray<ui::TextBox> Text1;         // R, G, B entry boxes, 0..255
    ui::ScrollBar VScroll4;                      // R, 255 at the top to 0
    ui::ScrollBar VScroll5;                      // G, 255 at the top to 0
    ui::ScrollBar VScroll6;                      // B, 255 at the top to 0
    ui::ControlArray<ui::TextBox> Text2;         // C, M, Y, K entry boxes in percent
    ui::PictureBox Picture1;                     // swatch of the current colour; a click picks its colour
    ui::PictureBox Picture3;                     // trial swatch over the right of Picture1, while comparing
    ui::PictureBox Picture2;                     // logo, shown while the white balance is neutral
    ui::Button Command4;                         // "STD" / "DE": shows and hides the standard/difference panel
    ui::TextBox Text8;                           // header of the standard/difference panel
    ui::ControlArray<ui::TextBox> Text6;         // standard L*, a*, b*; DL, Da, Db; DE
    ui::ControlArray<ui::Label> Label27;         // captions of Text6
    ui::Label Label19;                           // gamut message, "Out of RGB Range" or empty
    ui::Frame Frame2;                            // "Illuminant" frame around Option1
    ui::ControlArray<ui::OptionButton> Option1;  // illuminant and observer: C 2°, D50 2°, D65 10°
    ui::Label Label1;                            // long name of the selected illuminant
    ui::CheckBox Check1;                         // "PWD": value scale of the perfect white diffuser
    ui::CheckBox Check2;                         // opens and closes the Hue page
    ui::CheckBox Check3;                         // opens and closes the tolerance chart
    ui::CheckBox Check4;                         // opens and closes the Value page
    ui::CheckBox Check5;                         // opens and closes the ColorChecker chart
    ui::CheckBox Check6;                         // opens and closes image analysis
    ui::CheckBox Check7;                         // opens and closes the 3D palette viewer
    ui::Label Label4;                            // "Gamma"
    ui::TextBox Text5;                           // display gamma, 1 to 3
    ui::ScrollBar VScroll8;                      // display gamma times 10, 30 at the top to 10
    ui::ScrollBar VScroll7;                      // display white balance, 50 at the top to 100; service mode only
    ui::Button Command1;                         // "Help"
    ui::Button Command2;                         // "Exit"
    ui::Button Command9;                         // "About"
    ui::Button printB;                           // "PRINT": prints an image of the window
    ui::Button Command11;                        // "Save to Palette"
    ui::Button Command3;                         // "Make Table"; service mode only
    ui::Button import;                           // "Import" of sample files; service mode only
    ui::Button stopImport;                       // "Stop": ends a running import; shown only while one runs
    ui::Frame Frame1;                            // "Instrument" frame
    ui::ComboBox Combo1;                         // instrument list
    ui::Button Command7;                         // "Calibrate"
    ui::Button Command8;                         // "Measure", or "Import %R" for the reflectance-file instrument
    ui::TextBox Text4;                           // serial port number, 1..4
    ui::Label Label3;                            // "Comm Port"
    ui::Label Label23;                           // "Messages"
    ui::TextBox Text3;                    // the message line; typing the service code here opens the service mode
    ui::Label Label26;                    // "Imported File"
    ui::Label Label6;                     // name of the last imported or measured file
    ui::Label Label5;                     // product mark "ZOL"
    ui::Label Label21;                    // product title, first line
    ui::Label Label22;                    // product title, second line
    ui::Label Label24;                    // "Munsell" over the Munsell boxes
    ui::Label Label25;                    // "CIE" over the CIE boxes
    ui::Shape Shape1;                     // frame around the message area
    ui::Label Label7;                     // "X"
    ui::Label Label8;                     // "Hue  (eg, 5.6R)"
    ui::Label Label9;                     // "Y"
    ui::Label Label10;                    // "Value        (1-9)"
    ui::Label Label11;                    // "Z"
    ui::Label Label12;                    // "Chroma (0-28+)"
    ui::Label Label13;                    // "L*"
    ui::Label Label14;                    // "a*"
    ui::Label Label15;                    // "b*"
    ui::Label Label16;                    // "sx"
    ui::Label Label17;                    // "sy"
    ui::ControlArray<ui::Label> Label18;  // "R", "G", "B"
    ui::ControlArray<ui::Label> Label20;  // "C", "M", "Y", "K"

    // ---- State other windows write ----------------------------------------
    std::int16_t rgbR = 0, rgbG = 0, rgbB = 0;  // display RGB of the last conversion
    bool chartMode = false;                     // a caller wants only numbers from xyzrgb
    instruments::Reflectance refl{};            // the current reflectance curve, percent
    std::string paletteFile;                    // the palette file SaveData appends to
    std::string paletteTag;                     // the sample name of the next record

    // ---- State other windows read -----------------------------------------
    using LabPair = std::array<std::array<float, 5>, 3>;
    bool deltaMode() const { return deltaMode_; }        // the standard/difference panel is shown
    const LabPair& labPair() const { return labPair_; }  // row 0 the standard L*a*b*, row 1 the trial
    bool scrollGuard() const { return scrollGuard_; }    // the window itself is moving its scroll bars
    bool outOfGamut() const { return outOfGamut_; }      // the last xyzrgb lay outside the display range
    // rgbR, rgbG, rgbB and the gamut state together, as a chart that converts
    // colours of its own keeps and puts back the current colour's.
    struct DisplayState {
        std::int16_t R, G, B;
        bool outOfGamut;
    };
    DisplayState displayState() const { return {rgbR, rgbG, rgbB, outOfGamut_}; }
    void restoreDisplayState(const DisplayState& state) {
        rgbR = state.R;
        rgbG = state.G;
        rgbB = state.B;
        outOfGamut_ = state.outOfGamut;
    }
    const colorimetry::DisplaySettings& display() const { return display_; }
    const std::string& versionText() const { return versionText_; }
    const std::string& instName() const { return instName_; }
    int commPort() const { return commPort_; }
    const std::array<std::string, 11>& hueNames() const { return hueNames_; }
    const instruments::Weights& weights() const { return weights_; }
    colorimetry::Condition condition() const;  // the selected illuminant button
    bool pwd() const { return Check1.ticked(); }
    const munsell::RenotationTable& renotationTable() const { return *table_; }

    // ---- Conversions the windows share -------------------------------------
    // Each works under the selected illuminant, display settings and PWD option
    // and has the effects on its caller's variables that the other windows
    // rely on.

    // L*a*b* of X, Y, Z; X, Y, Z below 0.01 are raised to 0.01 in place. Redraws
    // the tolerance chart while its box is ticked.
    void xyzlab(float& X, float& Y, float& Z, float& L, float& a, float& b);
    // X, Y, Z of L*a*b* against the C white; false, X, Y, Z untouched, below L* -16.
    bool labxyz(float& X, float& Y, float& Z, float L, float a, float b);
    // Display RGB of X, Y, Z into R, G, B; X, Y, Z are left holding the working
    // values (divided by 100, X times kX, Z times kZ). Outside chart mode it also
    // writes the RGB boxes and bars, the CMYK boxes and the gamut message, and an
    // out-of-gamut colour comes back black.
    void xyzrgb(std::int16_t& R, std::int16_t& G, std::int16_t& B, float& X, float& Y, float& Z);
    // X, Y, Z (0..1 scale) of linear display RGB.
    void rgbxyz(float r, float g, float b, float& X, float& Y, float& Z);
    // Inks of linear RGB into C, M, Y, K and the CMYK boxes; negative r, g, b are
    // raised to 0 in place.
    void rgbcmyk(float& r, float& g, float& b, float& C, float& M, float& Y, float& K);
    // Bradford adaptation of X, Y, Z from the white (Xs, Ys, Zs) to (Xd, Yd, Zd).
    void xyzconv(float X, float Y, float Z, float Xs, float Ys, float Zs, float& Xo, float& Yo, float& Zo, float Xd,
                 float Yd, float Zd);
    // X, Y, Z adapted in place, "F" from C to the selected illuminant, anything
    // else back to C; x, y receive the adapted chromaticity.
    void xyzconvert(const std::string& direction, float& X, float& Y, float& Z, float& x, float& y);
    // X, Y, Z and x, y of hue number H, value V and chroma C; V above 9.5 is
    // lowered to 9.5 in place. False with X = Y = Z = 0, x and y untouched, for
    // a colour outside the renotation data.
    bool mun2xyz(float H, float& V, float C, float& X, float& Y, float& Z, float& x, float& y);
    // The notation of hue number H into S.
    void hconvert(float H, std::string& S) const;
    // The hue number of notation S into H; S is upper-cased in place, and text
    // that names no family shows "Format Error" and gives 100 + its number.
    void converth(std::string& S, float& H);
    // Hue number, value and chroma of X, Y, Z under illuminant C; a negative Y
    // is raised to 0 in place. Zeros when X + Y + Z is not positive. A value
    // level that holds no cell for the colour does not enter the result; when
    // neither does, the numbers are those of the not-found cells.
    void xyy2mun(float& H, float& V, float& C, float X, float& Y, float Z) const;
    // Munsell value of luminance Y; a negative Y is raised to 0 in place.
    void y2val(float& Y, float& V) const;
    // Luminance Y of Munsell value V.
    void val2y(float V, float& Y) const;
    // Loads the illuminant C weights for tris.
    void getweights();
    // X, Y, Z of the reflectance curve refl.
    void tris(float& X, float& Y, float& Z) const;

    // ---- Entry procedures --------------------------------------------------
    // The Munsell boxes converted to every other form; a notation outside the
    // renotation data shows black, "Out of RGB Range" and the outside notice.
    void vezedu();
    // The Munsell notation of the XYZ boxes, which hold the colour under the
    // selected illuminant: carried back to C for the search. Black (X + Y + Z
    // not positive) shows as the neutral black; a colour outside the data
    // shows its numbers with the outside notice on the message line.
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
    // Appends the current colour to the palette file, asking for the sample
    // name when askTag is set (otherwise paletteTag is used as the caller left
    // it). True when the record was written.
    bool SaveData(bool askTag);
    void Command11_Click();
    void printB_Click();
    void Command1_Click();
    void Command9_Click();

    // Service mode: sample import and the Munsell table. Every byte of every
    // file written whole from this window and the windows it opens (the
    // outputs, the configuration file, "Cpalette.csv", "LastPalette.txt")
    // passes writeSeam when one is set (tests make writes fail there, as a
    // full disk would).
    void import_Click();
    void Command3_Click();
    void stopImport_Click() { stopRequested_ = true; }
    const ServiceOutcome& serviceOutcome() const { return serviceOutcome_; }  // how the last run ended
    datafiles::WriteSeam* writeSeam = nullptr;

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
    // R, G, B into the RGB boxes and, under the scroll guard, their bars.
    void writeRgbFields(std::int16_t R, std::int16_t G, std::int16_t B);
    void moveRgbScrollBars(std::int16_t R, std::int16_t G, std::int16_t B);
    // L*a*b* of X, Y, Z into the L*a*b* boxes; X, Y, Z raised to 0.01 as xyzlab does.
    void showLab(float& X, float& Y, float& Z);
    void finishXyzEntry(float X, float Y, float Z);
    void rgbScrollChange(int channel, ui::ScrollBar& bar);
    void setScrollBars(float H, float V, float C);
    void refuse(const std::string& message);
    void accept();
    // The outside notice on the message line, or taken off it.
    void showDataNotice(bool outside);
    void showNeutralBlack();
    void showNotation(float H, float V, float C);
    // The inverse search of X, Y, Z under illuminant C.
    std::optional<munsell::MunsellMatch> locateInTable(float X, float Y, float Z) const;
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
    bool serviceRunning_ = false;  // an import or the table is being made
    bool stopRequested_ = false;   // Stop was pressed during an import
    ServiceOutcome serviceOutcome_;

    bool deltaMode_ = false;
    LabPair labPair_{};
    bool scrollGuard_ = false;
    bool outOfGamut_ = false;
    colorimetry::DisplaySettings display_;
    std::string versionText_;
    std::string instName_;
    int commPort_ = 1;
    std::array<std::string, 11> hueNames_;
    instruments::Weights weights_;
    bool measurementShown_ = false;
};

}  // namespace tintara::workspace
