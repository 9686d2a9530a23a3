// A window model with each of the controls the companion windows are built
// from: a menu bar with a submenu, a list box, a timer, a picture box drawn in
// its own units, labels and buttons with fonts and colours of their own, and
// horizontal scroll bars.
#pragma once

#include <cmath>
#include <string>

#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/picture.h"
#include "ui/services.h"
#include "ui/window.h"

namespace tintara::ui::qt {

class KitWindow : public Window {
public:
    KitWindow() : Window("KitForm", "Every control", 9000, 6000, Rgb{224, 224, 224}) {
        for (Control* c : std::initializer_list<Control*>{&title, &list, &picture, &rotate, &stop, &rotation,
                                                          &rotationLabel, &pan, &status})
            add(*c);
        title.setFont(Font{"Arial", 12, false});
        big.setFont(Font{"Arial", 15.75f, false});
        add(big);
        title.setForeColor(Rgb{0, 0, 160});
        status.setBackColor(Rgb{255, 255, 0});
        rotate.setBackColor(Rgb{224, 160, 160});
        stop.setBackColor(Rgb{160, 224, 160});
        file.add(open);
        file.add(line);
        file.add(exit);
        options.add(mode);
        mode.add(click);
        mode.add(follow);
        click.setChecked(true);
        addMenu(file);
        addMenu(options);
        addMenu(help);
        addTimer(redraw);
        for (int i = 1; i <= 12; ++i) list.addItem(std::to_string(i) + "    sample " + std::to_string(i));
    }

    // The palette viewer's way of drawing: y grows upwards, zoom 20.
    void drawChart(TextRenderer& text) {
        Surface& s = picture.surface();
        s.clear(Rgb{224, 224, 224});
        picture.setUserScale(-20, 20, 40, -40);
        const UserCoordinates u = picture.scale();
        for (double r : {20.0, 10.0, 5.0})
            s.ellipse(u.toPixelX(0), u.toPixelY(0), u.pixelsAcross(r), u.pixelsDown(r / 2), {black});
        const Rgb hues[4] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 0, 255}};
        for (int a = 0; a < 4; ++a) {
            const double x = 20 * std::cos(a * 1.5707963), y = 10 * std::sin(a * 1.5707963);
            s.line(u.toPixelX(0), u.toPixelY(0), u.toPixelX(x), u.toPixelY(y), black);
            s.dot(u.toPixelX(x), u.toPixelY(y), hues[a], 10);
            text.drawText(s, u.toPixelX(x), u.toPixelY(y), " " + std::to_string(a + 1), Font{"Times New Roman", 8.25f},
                          black);
        }
        s.circle(u.toPixelX(-14), u.toPixelY(-14), 12, {black, 1, FillStyle::DiagonalCross, Rgb{0, 120, 255}});
        text.drawText(s, 4, 4, "5YR 6/8", Font{"Arial", 9.75f}, Rgb{128, 0, 0});
        picture.refresh();
    }

    Label title{"Label10", {3120, 0, 1800, 330}, "ID a Color"};
    Label big{"Label8", {6000, 0, 1500, 420}, "Palette"};
    ListBox list{"List1", {6000, 480, 2880, 3000}};
    PictureBox picture{"Picture1", {120, 480, 5700, 4500}, Rgb{224, 224, 224}};
    Button rotate{"Command1", {120, 5100, 735, 255}, "Rotate"};
    Button stop{"Command2", {960, 5100, 735, 255}, "Stop"};
    ScrollBar rotation{"HScroll1", {2040, 5100, 2895, 255}, Orientation::Horizontal, -180, 180, 0, 1, 20};
    Label rotationLabel{"Label1", {2040, 5400, 2895, 255}, "   -180               Rotate                +180"};
    ScrollBar pan{"HScroll2", {5160, 5100, 1815, 255}, Orientation::Horizontal, 0, 800, 400, 1, 20};
    Label status{"Text1", {6000, 3600, 2880, 285}, "Loaded Palette newpalette2.csv"};

    MenuItem file{"mnuFile", "&File"}, open{"mnuFileOpen", "&Open Palette"}, line{"mnuLine", "-"},
        exit{"mnuExit", "e&Xit"};
    MenuItem options{"mnuOptions", "&Options"}, mode{"mnuMode", "&Display Mode "}, click{"mnuClick", "&Mouse Click"},
        follow{"mnuFollow", "&Continuous at Mouse Position"};
    MenuItem help{"mnuHelp", "&Help"};
    Timer redraw{"Timer2", 10, false};
};

}  // namespace tintara::ui::qt
