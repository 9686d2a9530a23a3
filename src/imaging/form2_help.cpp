// The help text and leaving the window.
#include "imaging/form2.h"

namespace tintara::imaging {

namespace {

constexpr const char* crlf = "\r\n";

}  // namespace

void Form2::mnuHelp_Click() {
    const std::string text =
        std::string("Displays Munsell Notation of Selected Pixels of Pictures on Your computer") + crlf + crlf +
        "Load Picture: Navigate and Load a picture to display" + crlf + crlf + "Options: " + crlf +
        "   Display Modes> Click or continuous Display of Munsell Notation" + crlf +
        "   Sample Size> Number of pixels to average" + crlf + crlf +
        "Make Palette of Image - Makes a palette file of Munsell Notation for all pixels in a picture" + crlf + crlf +
        "Get Clipboard - Loads the clipboard as a picture from other image programs like Paint" + crlf + crlf +
        "View 3D Palette - Displays Palette in 3D display" + crlf;
    // The main window steps aside while the help is read.
    const bool mainShown = main_.visible();
    main_.hide();
    platform_.dialogs.messageBox(text, ui::MessageButtons::OK, ui::MessageIcon::None, "Options");
    if (mainShown) main_.show();
    bringToFront();
}

// As with the window's close button: the window is hidden and the main
// window's "Image Analysis" box unticked. A palette being written stops.
void Form2::mnuExit_Click() {
    hide();
    close();
}

}  // namespace tintara::imaging
