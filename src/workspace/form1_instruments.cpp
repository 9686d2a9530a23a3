// The instrument group: the list, the port box, the configuration file that
// keeps both between runs, and the Measure and Calibrate buttons.
#include <cmath>

#include "datafiles/whole_file.h"
#include "instruments/config_file.h"
#include "textio/formats.h"
#include "workspace/form1.h"

namespace tintara::workspace {

// Written whole, so a failed write leaves the old configuration as it was.
void Form1::writeConfiguration(const std::string& name) {
    const auto path = files_.working("zol.cfg");
    std::string error;
    if (!datafiles::replaceFile(path, instruments::configText({name, commPort_}), error, writeSeam))
        Text3.setText("Cannot write the configuration file " + path.string());
}

void Form1::Combo1_Click() {
    writeConfiguration(Combo1.text());
    showInstrumentLook();
}

// A port outside 1..4 falls back to 1; text that is no whole number (an empty
// box while the person retypes it) changes nothing.
void Form1::Text4_Change() {
    const auto port = textio::parseNumber(Text4.text());
    if (!port || *port != std::floor(*port) || *port < -32768 || *port > 32767) return;
    commPort_ = instruments::portWithinRange(int(*port));
    writeConfiguration(instName_);
}

instruments::DialogueContext Form1::dialogueContext() {
    return instruments::DialogueContext{platform_.serial,
                                        platform_.dialogs,
                                        platform_.clock,
                                        platform_.events,
                                        commPort_,
                                        [this](const std::string& message) { Text3.setText(message); },
                                        [this](const std::string& caption) { Label6.setCaption(caption); }};
}

void Form1::Command8_Click() {
    instName_ = Combo1.text();
    measurementShown_ = false;
    auto context = dialogueContext();
    instruments::Reflectance reading = refl;
    const auto end = instruments::measure(instName_, context, measureState_, reading);
    if (end == instruments::MeasureEnd::EarlyExit) return;
    refl = reading;
    // tris integrates under illuminant C; the XYZ boxes hold the colour under
    // the selected condition.
    float X = 0, Y = 0, Z = 0;
    tris(X, Y, Z);
    if (condition() != colorimetry::Condition::C2) {
        float x = 0, y = 0;
        xyzconvert("F", X, Y, Z, x, y);
    }
    Text11[0].setText(textio::format(X, "###.00"));
    Text11[1].setText(textio::format(Y, "###.00"));
    Text11[2].setText(textio::format(Z, "###.00"));
    xyzEntry();
    measurementShown_ = end == instruments::MeasureEnd::NewReading && refusal().empty();
}

void Form1::Command7_Click() {
    auto context = dialogueContext();
    instruments::calibrate(Combo1.text(), context, measureState_);
}

}  // namespace tintara::workspace
