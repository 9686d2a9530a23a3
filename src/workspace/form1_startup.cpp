// Start-up, the illuminant buttons, the service mode and Exit.
#include <sstream>

#include "instruments/config_file.h"
#include "instruments/instrument.h"
#include "munsell/hue_notation.h"
#include "textio/text_file.h"
#include "workspace/form1.h"
#include "workspace/program_version.h"

namespace tintara::workspace {

namespace {
constexpr const char* serviceCode = "kqv";
constexpr const char* illuminantNames[3] = {"illuminant C  2\u00b0 Observer ", "illuminant D5000 2\u00b0 Observer ",
                                            "Illuminant D65  10\u00b0 Observer "};
}  // namespace

void Form1::wireEvents() {
    for (int i = 0; i < 3; ++i) {
        Text12[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) vezedu();
        };
        Text11[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) xyzEntry();
        };
        Text15[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) labEntry();
        };
        Text1[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) Command6_Click();
        };
        Option1[i].onClick = [this, i] { Option1_Click(i); };
    }
    for (int i = 0; i < 2; ++i)
        Text18[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) xyEntry();
        };
    for (int i = 0; i < 4; ++i)
        Text2[i].onKeyDown = [this](int key, int) {
            if (key == ui::keyEnter) cmyk();
        };
    VScroll1.onChange = [this] { VScroll1_Change(); };
    VScroll2.onChange = [this] { VScroll2_Change(); };
    VScroll3.onChange = [this] { VScroll3_Change(); };
    VScroll4.onChange = [this] { VScroll4_Change(); };
    VScroll5.onChange = [this] { VScroll5_Change(); };
    VScroll6.onChange = [this] { VScroll6_Change(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Text3.onChange = [this] { Text3_Change(); };
    onClose = [this] { Command2_Click(); };
    Picture1.onMouseDown = [this](ui::MouseButton b, int shift, float x, float y) {
        Picture1_MouseDown(b, shift, x, y);
    };
    Text5.onChange = [this] { Text5_Change(); };
    VScroll8.onChange = [this] { VScroll8_Change(); };
    VScroll7.onChange = [this] { VScroll7_Change(); };
    Check2.onClick = [this] { Check2_Click(); };
    Check3.onClick = [this] { Check3_Click(); };
    Check4.onClick = [this] { Check4_Click(); };
    Check5.onClick = [this] { Check5_Click(); };
    Check6.onClick = [this] { Check6_Click(); };
    Check7.onClick = [this] { Check7_Click(); };
    Command11.onClick = [this] { Command11_Click(); };
    printB.onClick = [this] { printB_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command9.onClick = [this] { Command9_Click(); };
    Combo1.onClick = [this] { Combo1_Click(); };
    Text4.onChange = [this] { Text4_Change(); };
    Command8.onClick = [this] { Command8_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    // Written with "this->": the formatter takes a line that begins with the
    // word import for a module import.
    this->import.onClick = [this] { import_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    stopImport.onClick = [this] { stopImport_Click(); };
}

colorimetry::Condition Form1::condition() const {
    for (int i = 0; i < 3; ++i)
        if (Option1[i].value()) return colorimetry::Condition(i);
    return colorimetry::Condition::C2;
}

bool Form1::Form_Load(std::string& error) {
    versionText_ = programVersion();
    deltaMode_ = true;
    Command4_Click();
    readConfiguration(true);
    for (auto* check : {&Check2, &Check3, &Check4, &Check5, &Check6, &Check7}) check->setVisible(true);
    Frame1.setVisible(true);
    Combo1.setText(instName_);
    for (int i = 0; i < 3; ++i) Option1[i].setVisible(true);
    Command3.setVisible(false);
    commPort_ = 1;
    if (!instName_.empty()) getweights();
    for (auto* control : std::initializer_list<ui::Control*>{&Command7, &Command8, &Text4})
        control->setVisible(!instName_.empty());
    VScroll7.setVisible(false);
    for (int k = 0; k < 10; ++k) hueNames_[k] = std::string(munsell::hueNames[k]);
    display_ = colorimetry::DisplaySettings{};
    const auto tablePath = files_.shipped("Vezedu.dat");
    const auto file = textio::readTextFile(tablePath, munsell::renotationFileLimit);
    if (file.problem != textio::FileProblem::None) {
        error = file.problem == textio::FileProblem::Missing
                    ? "Cannot open the Munsell renotation table " + tablePath.string()
                    : "Cannot read the Munsell renotation table: " +
                          textio::describeProblem(tablePath, file.problem, munsell::renotationFileLimit);
        return false;
    }
    std::istringstream in(file.text);
    auto loaded = munsell::loadRenotationTable(in);
    if (!loaded.table) {
        error = loaded.error;
        return false;
    }
    table_ = std::move(loaded.table);
    corners_ = std::make_unique<munsell::RenotationCorners>(*table_);
    paintLogo();
    platform_.beeper.beep();
    Combo1.clear();
    for (const auto& instrument : instruments::instrumentTable()) Combo1.addItem(std::string(instrument.listName));
    Option1[0].select();
    readConfiguration(false);
    showInstrumentLook();
    Text3_Change();
    if (!loaded.notice.empty()) Text3.setText(loaded.notice);
    return true;
}

// The first pass needs both lines; a missing or short file leaves no
// instrument and port 1, and start-up goes on; a file that cannot be read is
// named on the message line. The second pass ignores errors.
void Form1::readConfiguration(bool firstPass) {
    auto config = preset_;
    if (!preset_) {
        const auto path = files_.working("ZOL.cfg");
        const auto file = textio::readTextFile(path, instruments::configFileLimit);
        if (file.problem == textio::FileProblem::None) config = instruments::readConfig(file.text);
        if (firstPass && file.problem != textio::FileProblem::None && file.problem != textio::FileProblem::Missing)
            Text3.setText("Configuration not read: " +
                          textio::describeProblem(path, file.problem, instruments::configFileLimit));
    }
    if (config) {
        instName_ = config->instName;
        commPort_ = config->commPort;
    } else if (firstPass) {
        instName_.clear();
        commPort_ = 1;
    }
}

// "Import" reads a file instead of a port: no calibration and no port box.
void Form1::showInstrumentLook() {
    const bool fileImport = Combo1.text() == instruments::describe(instruments::Instrument::Import).listName;
    Command7.setVisible(!fileImport);
    Command8.setCaption(fileImport ? "Import %R" : "Measure");
    Label3.setVisible(!fileImport);
    Text4.setVisible(!fileImport);
}

void Form1::Option1_Click(int index) {
    Label1.setCaption(illuminantNames[index]);
    vezedu();
}

void Form1::Text3_Change() {
    const bool service = Text3.text() == serviceCode;
    if (service)
        for (int i = 0; i < 3; ++i) Option1[i].setVisible(true);
    Frame2.setVisible(true);
    Command3.setVisible(service);
    import.setVisible(service);
    VScroll7.setVisible(service);
}

void Form1::Command2_Click() {
    exitRequested_ = true;
    if (onExit) onExit();
}

}  // namespace tintara::workspace
