// "PRINT", "Help" and "About".
#include "workspace/form1.h"

namespace tintara::workspace {

// A printing error is not reported; an image that went into a PDF file is.
void Form1::printB_Click() {
    const ui::PrintOutcome outcome = platform_.printer.printWindow(*this);
    if (outcome.ok && !outcome.pdfFile.empty()) Text3.setText("No printer: the window was saved as " + outcome.pdfFile);
    // The printer's own errors pass unsaid, as they always have; a file that
    // was not written is said, so that nobody looks for it.
    if (!outcome.ok && !outcome.pdfFile.empty())
        Text3.setText("No printer, and the window could not be saved: " + outcome.error);
}

void Form1::Command1_Click() {
    const std::string cr = "\r";
    const std::string text =
        "Enter Hue, Value and Chroma and press 'Enter'" + cr +
        "Neutrals - Enter value and set Chroma to zero - ignore Hue" + cr + "Hue Names - R YR Y GY G BG B PB P RP " +
        cr + "                      or" + cr + "Enter X,Y and Z and press 'Enter'" + cr + "                      or" +
        cr + "Enter L*,a* and b* and press 'Enter'" + cr + "                  or" + cr +
        "Enter R,G or B and press enter" + cr + cr + "Checking PWD sets the Value scale to 10 for a Y value of 100" +
        cr + cr +
        "'Save to Palette' saves a Palette file for opening with Excel or viewing with Optional 3D Palette Viewer "
        "(option 2)";
    platform_.dialogs.messageBox(text, ui::MessageButtons::OK, ui::MessageIcon::None, "Munsell ZOL Help");
}

void Form1::Command9_Click() {
    const std::string cr = "\r";
    const std::string text =
        "Tintara, a Munsell colour workbench." + cr +
        "Munsell notation, CIE XYZ, x y and L*a*b*, display RGB and CMYK" + cr +
        "under illuminant C, D50 and D65, from the Munsell renotation data." + cr + cr +
        "CE7000, CE7000A, CE2180, Ci5, Ci7, Spectrolino & SpectroEye Spectrophotometer drivers are included in this "
        "version.";
    platform_.dialogs.messageBox(text, ui::MessageButtons::OK, ui::MessageIcon::Information,
                                 "Tintara Version " + versionText_);
}

}  // namespace tintara::workspace
