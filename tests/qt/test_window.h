// A small window model with one control of each kind the binding handles (a
// menu bar with a submenu, a list box, scroll bars both ways, a picture box),
// recording the events the window logic would receive.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/picture.h"
#include "ui/window.h"

namespace tintara::ui::qt {

class TestWindow : public Window {
public:
    TestWindow() : Window("TestForm", "Binding test", 6000, 3600, lightGrey) {
        for (Control* c :
             std::initializer_list<Control*>{&text, &hue, &frame, &combo, &picture, &button, &list, &rotation, &status})
            add(*c);
        add(option0, &frame);
        add(option1, &frame);
        option0.setGroup({&option0, &option1});
        option1.setGroup({&option0, &option1});
        combo.addItem("D65");
        combo.addItem("D50");
        status.setBackColor(Rgb{255, 255, 0});
        for (int i = 1; i <= 12; ++i) list.addItem(std::to_string(i) + "    sample " + std::to_string(i));
        file.add(open);
        file.add(line);
        file.add(exit);
        options.add(mode);
        mode.add(click);
        mode.add(follow);
        click.setChecked(true);
        addMenu(file);
        addMenu(options);
        text.onChange = [this] { ++textChanges; };
        text.onKeyDown = [this](int key, int) { keys.push_back(key); };
        hue.onChange = [this] { ++hueChanges; };
        option1.onClick = [this] { ++optionClicks; };
        combo.onClick = [this] { ++comboClicks; };
        picture.onMouseDown = [this](MouseButton b, int, float x, float y) { presses.emplace_back(b, x, y); };
    }

    TextBox text{"Text12", {240, 420, 1440, 345}, "5.6R"};
    ScrollBar hue{"VScroll1", {1800, 420, 255, 1200}, Orientation::Vertical, 202, 0, 0, 1, 10};
    Frame frame{"Frame2", {240, 1260, 1500, 1080}, "Illuminant"};
    OptionButton option0{"Option1(0)", {120, 300, 1200, 255}, "C 1931"};
    OptionButton option1{"Option1(1)", {120, 660, 1200, 255}, "D5000"};
    ComboBox combo{"Combo1", {240, 2520, 1500, 315}, "D65"};
    PictureBox picture{"Picture1", {2400, 420, 1800, 1500}};
    Button button{"Command2", {4440, 420, 1215, 375}, "Exit"};
    ListBox list{"List1", {2400, 2040, 1800, 1440}};
    ScrollBar rotation{"HScroll1", {4440, 1200, 1215, 255}, Orientation::Horizontal, -180, 180, 0, 1, 20};
    Label status{"Text1", {4440, 2400, 1215, 285}, "Loaded"};
    MenuItem file{"mnuFile", "&File"}, open{"mnuFileOpen", "&Open Palette"}, line{"mnuLine", "-"},
        exit{"mnuExit", "e&Xit"};
    MenuItem options{"mnuOptions", "&Options"}, mode{"mnuMode", "&Display Mode "}, click{"mnuClick", "&Mouse Click"},
        follow{"mnuFollow", "&Continuous at Mouse Position"};

    int textChanges = 0, hueChanges = 0, optionClicks = 0, comboClicks = 0;
    std::vector<int> keys;
    std::vector<std::tuple<MouseButton, float, float>> presses;  // button, x and y in the picture's units
};

}  // namespace tintara::ui::qt
