// A window model: its caption, client size, background, menus, timers and the
// controls it is made of, in the order a backend builds them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/menu.h"
#include "ui/timer.h"

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
    // The client area below the menu bar, in twips.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    // The window grows or shrinks so that its client area has this size; a
    // negative size counts as 0.
    void setClientSize(int width, int height);
    Rgb background() const { return background_; }
    void setBackground(Rgb color);

    bool visible() const { return visible_; }
    void show();
    void hide();
    // Shows the window and brings it in front of the program's other windows.
    void bringToFront();
    // Counts the requests, so that a view can tell a new one from a change.
    unsigned frontRequests() const { return frontRequests_; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;
    // The menus of the menu bar, left to right; none: no menu bar.
    const std::vector<MenuItem*>& menus() const { return menus_; }
    // A menu or menu item of this window by name; null when there is none.
    MenuItem* findMenu(const std::string& name) const;
    const std::vector<Timer*>& timers() const { return timers_; }

    void setView(WindowView* view) { view_ = view; }
    // The person closed the window with its frame.
    void close();
    std::function<void()> onClose;

protected:
    // Controls are added in drawing order; a control inside a frame follows it.
    void add(Control& control, Control* container = nullptr);
    void addMenu(MenuItem& menu) { menus_.push_back(&menu); }
    void addTimer(Timer& timer) { timers_.push_back(&timer); }

private:
    void changed();
    std::string name_, caption_;
    int clientWidth_, clientHeight_;
    Rgb background_;
    bool visible_ = false;
    unsigned frontRequests_ = 0;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menus_;
    std::vector<Timer*> timers_;
    WindowView* view_ = nullptr;
};

}  // namespace tintara::ui
