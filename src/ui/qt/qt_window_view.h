// Shows a window model as a real window: a top-level widget of the model's
// client size, caption and background, with one bound widget for each of its
// controls. Visibility follows the model's show() and hide(); closing the
// window with its frame asks the model (Window::close), and the window closes
// only if the model hid itself.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "ui/window.h"

namespace tintara::ui::qt {

class ControlBinding;
class WindowWidget;

class QtWindowView : public ui::WindowView {
public:
    // Becomes the view of the window and of each of its controls. The view must
    // be destroyed before the window model.
    explicit QtWindowView(Window& window);
    ~QtWindowView() override;
    QtWindowView(const QtWindowView&) = delete;
    QtWindowView& operator=(const QtWindowView&) = delete;

    Window& window() const { return window_; }
    QWidget& widget() const;
    // The widget showing a control of this window, or null.
    QWidget* widgetFor(const Control& control) const;

    void windowChanged(const Window& window) override;

private:
    Window& window_;
    std::unique_ptr<WindowWidget> widget_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    bool shownBefore_ = false;
};

}  // namespace tintara::ui::qt
