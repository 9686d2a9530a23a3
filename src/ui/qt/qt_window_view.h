// Shows a window model as a real window: a top-level widget with the model's
// menu bar, if it has menus, above a client area of the model's client size,
// caption and background, with one bound widget for each of its controls and
// a running Qt timer for each of its timers. The window grows by the menu
// bar's height and follows the model's client size. Visibility follows the
// model's show() and hide(); closing the window with its frame asks the model
// (Window::close), and the window closes only if the model hid itself.
#pragma once

#include <QMenuBar>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/window.h"

namespace tintara::ui::qt {

class ControlBinding;
class MenuBinding;
class TimerBinding;
class WindowWidget;

class QtWindowView : public ui::WindowView {
public:
    // Becomes the view of the window, its controls, menus and timers. The view
    // must be destroyed before the window model.
    explicit QtWindowView(Window& window);
    ~QtWindowView() override;
    QtWindowView(const QtWindowView&) = delete;
    QtWindowView& operator=(const QtWindowView&) = delete;

    Window& window() const { return window_; }
    // The whole window, menu bar included.
    QWidget& widget() const;
    // The client area the controls stand in.
    QWidget& client() const { return *client_; }
    // Null for a window without menus.
    QMenuBar* menuBar() const { return menuBar_; }
    // The widget showing a control of this window, or null.
    QWidget* widgetFor(const Control& control) const;
    // The action standing for a menu item of this window, or null.
    QAction* actionFor(const MenuItem& item) const;

    void windowChanged(const Window& window) override;

private:
    void buildMenus();
    void addMenuItem(MenuItem& item, QMenu* into);

    Window& window_;
    std::unique_ptr<WindowWidget> widget_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::vector<std::unique_ptr<MenuBinding>> menus_;
    std::vector<std::unique_ptr<TimerBinding>> timers_;
    bool shownBefore_ = false;
    unsigned frontRequestsSeen_ = 0;
};

}  // namespace tintara::ui::qt
