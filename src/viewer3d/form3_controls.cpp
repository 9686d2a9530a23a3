// The viewer's start-up, the rotation buttons, picking a dot, the menus and
// the help text.
#include <algorithm>

#include "datafiles/palette_list_line.h"
#include "viewer3d/form3.h"

namespace tintara::viewer3d {

namespace {

constexpr ui::Rgb pressedRed{224, 160, 160};
constexpr ui::Rgb readyGreen{160, 224, 160};

constexpr const char* crlf = "\r\n";
constexpr const char* cr = "\r";

}  // namespace

void Form3::Form_Load() {
    show();
    platform_.events.doEvents();
    GetData(1);
    Command1_Click();
}

void Form3::Command1_Click() {
    Timer1.setEnabled(true);
    Command2.setBackColor(readyGreen);
    Command1.setBackColor(pressedRed);
}

void Form3::Command2_Click() {
    Timer1.setEnabled(false);
    Command2.setBackColor(pressedRed);
    Command1.setBackColor(readyGreen);
}

// Only dots drawn by the last redraw can be picked: during a load the
// positions of entries not yet drawn belong to the palette before.
void Form3::Picture1_MouseDown(ui::MouseButton button, int, float X, float Y) {
    const int n = nearestEntry(pal_.palXY, std::min(drawnCount_, pal_.palCount), X, Y);
    if (n == 0) return;
    List1.setListIndex(n - 1);
    if (button != ui::MouseButton::Left && button != ui::MouseButton::Right) return;
    const int row = button == ui::MouseButton::Left ? 0 : 1;
    const auto& [angle, value, chroma] = pal_.palHVC[n];
    Text3[row].setText(pal_.palName[n]);
    Text4[row].setText(datafiles::comparisonNotation(pal_.palHue[n], value, chroma));
    (row == 0 ? Shape1 : Shape2).setFillColor(pal_.palRGB[n]);
}

void Form3::mnuNewPalette_Click() {
    platform_.dialogs.messageBox(
        "To make a new palette or add to a current palette, go to the Tintara Screen and enter or measure samples "
        "for the palette and click on 'Save Palette'");
    main_.bringToFront();
}

// Hidden, as with the window's close button: the tables stay, and the main
// window's switch for the viewer is cleared.
void Form3::mnuExit_Click() {
    hide();
    close();
}

void Form3::mnuHelp_Click() {
    platform_.dialogs.messageBox(
        std::string("Continuous rotation of palette is controlled by the 'Rotate' and 'Stop' buttons") + crlf +
        "The Palette display is viewed differently by rotating, tilting and panning." + crlf +
        "New palettes are generated from the Tintara Screen by entering or measuring with Spectrophotometers or "
        "from the image analysis screen" +
        cr + cr +
        "Identify colors in the display by clicking on the color in the list or click on the color dot "
        "in the display" +
        cr + cr +
        "Two colors can be compared visually by left-clicking the first color and right-clicking the second color" +
        crlf);
}

}  // namespace tintara::viewer3d
