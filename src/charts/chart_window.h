// What the four chart windows share: a drawing area that fills the window, on
// which the charts paint their chips and from which a click or a hover reads
// the colour a person sees; the main window they draw for; printing.
#pragma once

#include <string>

#include "ui/picture.h"
#include "ui/services.h"
#include "ui/window.h"
#include "workspace/form1.h"

namespace tintara::charts {

class ChartWindow : public ui::Window {
public:
    // The window's own drawing area, in twips; the controls stand over it.
    ui::PictureBox Drawing;

protected:
    ChartWindow(std::string name, std::string caption, int width, int height, ui::Rgb background,
                workspace::Form1& main, ui::Platform& platform);

    // Prints an image of the window. Without a printer the image may go to a
    // PDF file; where it went, or why nothing was printed, is said in the main
    // window's message line.
    void printChart();

    // Pixels of the drawing area from twips (15 to a pixel).
    static int px(double twips);

    workspace::Form1& main_;
    ui::Platform& platform_;
};

}  // namespace tintara::charts
