#include "ui/window.h"

#include <algorithm>
#include <utility>

namespace tintara::ui {

Window::Window(std::string name, std::string caption, int clientWidth, int clientHeight, Rgb background)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      background_(background) {}

void Window::changed() {
    if (view_) view_->windowChanged(*this);
}

void Window::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed();
}

void Window::setClientSize(int width, int height) {
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
    changed();
}

void Window::setBackground(Rgb color) {
    background_ = color;
    changed();
}

void Window::show() {
    visible_ = true;
    changed();
}

void Window::hide() {
    visible_ = false;
    changed();
}

void Window::bringToFront() {
    visible_ = true;
    ++frontRequests_;
    changed();
}

void Window::close() {
    if (onClose) onClose();
}

Control* Window::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

MenuItem* Window::findMenu(const std::string& name) const {
    for (MenuItem* menu : menus_)
        if (MenuItem* found = menu->find(name)) return found;
    return nullptr;
}

void Window::add(Control& control, Control* container) {
    control.setContainer(container);
    controls_.push_back(&control);
}

}  // namespace tintara::ui
