// A window model: its caption, size, background and the controls it is made of,
// in the order a backend builds them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tintara::ui {

class Window;

class WindowView {
public:
    virtual ~WindowView() = default;
    virtual void windowChanged(const Window& window) = 0;
};

class Window {
public:
    Window(std::string name, std::string caption, int clientWidth, int clientHeight, Rgb background);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    Rgb background() const { return background_; }
    void setBackground(Rgb color);

    bool visible() const { return visible_; }
    void show();
    void hide();

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;

    void setView(WindowView* view) { view_ = view; }
    // The person closed the window with its frame.
    void close();
    std::function<void()> onClose;

protected:
    // Controls are added in drawing order; a control inside a frame follows it.
    void add(Control& control, Control* container = nullptr);

private:
    void changed();
    std::string name_, caption_;
    int clientWidth_, clientHeight_;
    Rgb background_;
    bool visible_ = false;
    std::vector<Control*> controls_;
    WindowView* view_ = nullptr;
};

}  // namespace tintara::ui
