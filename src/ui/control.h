// The base of every control model: what a window's controls have in common,
// whichever backend shows them.
#pragma once

#include <optional>
#include <string>

#include "ui/color.h"

namespace tintara::ui {

// Positions and sizes are in twips, 15 to a pixel at 96 dpi, relative to the
// window's client area or to the container holding the control.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int twipsPerPixel = 15;

struct Font {
    std::string family = "Arial";
    float points = 8.25f;
    bool bold = false;
};

enum class ControlKind {
    TextBox,
    Label,
    Button,
    CheckBox,
    OptionButton,
    ScrollBar,
    ComboBox,
    ListBox,
    Frame,
    PictureBox,
    Shape
};

class Control;

// A backend's view of one control; told after every change of the model so that
// a widget can follow what the window logic wrote.
class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void modelChanged(const Control& control) = 0;
};

class Control {
public:
    Control(ControlKind kind, std::string name, TwipRect rect);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    const TwipRect& rect() const { return rect_; }
    virtual void setRect(TwipRect rect);

    // The frame or picture box that holds this control, if any.
    Control* container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Unset colours are the backend's defaults for the kind of control.
    const std::optional<Rgb>& backColor() const { return backColor_; }
    void setBackColor(Rgb color);
    const std::optional<Rgb>& foreColor() const { return foreColor_; }
    void setForeColor(Rgb color);

    const Font& font() const { return font_; }
    void setFont(Font font);

    void setView(ControlView* view) { view_ = view; }

protected:
    void changed();

private:
    ControlKind kind_;
    std::string name_;
    TwipRect rect_;
    Control* container_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    std::optional<Rgb> backColor_;
    std::optional<Rgb> foreColor_;
    Font font_;
    ControlView* view_ = nullptr;
};

}  // namespace tintara::ui
