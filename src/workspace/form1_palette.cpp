// "Save to Palette": the current colour appended to the palette file.
#include <algorithm>
#include <cctype>

#include "colorimetry/display.h"
#include "datafiles/palette_record.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"

namespace tintara::workspace {

namespace {
std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}
}  // namespace

// Asks for the file until one is named; the tag "file" asks for another file.
// False when the person gives no file name.
bool Form1::choosePaletteFile(bool askTag) {
    for (;;) {
        if (paletteFile.empty())
            paletteFile =
                platform_.dialogs
                    .inputBox("Palette File Name to save or append  [.CSV added]", "Save Palette Data", "ZOLpalette")
                    .value_or("");
        if (paletteFile.empty()) return false;
        if (!askTag) return true;
        paletteTag = platform_.dialogs
                         .inputBox("Palette " + paletteFile + " - Enter Tag [Enter 'file' to change file name]",
                                   "Palette File Save - TAG")
                         .value_or("");
        if (lowerCase(paletteTag) != "file") return true;
        paletteFile.clear();
    }
}

bool Form1::SaveData(bool askTag) {
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const auto value = boxNumber(Text1[i]);
        const auto whole = value ? nearestWhole(*value) : std::nullopt;
        if (!whole) {
            refuse("R, G and B must be numbers to save the colour to the palette");
            return false;
        }
        rgb[i] = std::clamp(*whole, 0, 255);
    }
    if (!choosePaletteFile(askTag)) return false;
    paletteFile = datafiles::withCsvEnding(paletteFile);
    rgbR = std::int16_t(rgb[0]);
    rgbG = std::int16_t(rgb[1]);
    rgbB = std::int16_t(rgb[2]);
    // The boxes keep their text: the record copies them as shown.
    moveRgbScrollBars(rgbR, rgbG, rgbB);
    const colorimetry::LinearRgb linear = colorimetry::linearFromComponents(rgbR, rgbG, rgbB, display_);
    const float linearValues[3] = {linear.r, linear.g, linear.b};

    datafiles::PaletteSample sample;
    const auto now = platform_.clock.now();
    sample.date = datafiles::recordDate(now.month, now.day, now.year);
    sample.time = datafiles::recordTime(now.hour, now.minute, now.second);
    sample.tag = paletteTag;
    for (int i = 0; i < 3; ++i) {
        sample.munsell[i] = Text12[i].text();
        sample.xyz[i] = Text11[i].text();
        sample.lab[i] = Text15[i].text();
        sample.rgb[i] = Text1[i].text();
        sample.linearRgb[i] = linearValues[i];
    }
    for (int i = 0; i < 4; ++i) sample.cmyk[i] = Text2[i].text();
    std::string error;
    if (datafiles::appendLine(files_.workingDir / paletteFile, datafiles::paletteRecord(sample), error)) return true;
    platform_.dialogs.messageBox(error, ui::MessageButtons::OK, ui::MessageIcon::Critical, "Save to Palette");
    return false;
}

void Form1::Command11_Click() {
    SaveData(true);
    if (Check7.ticked() && companions_ && companions_->available(Companion::PaletteViewer)) companions_->GetData(2);
}

}  // namespace tintara::workspace
