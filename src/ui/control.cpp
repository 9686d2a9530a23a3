#include "ui/control.h"

#include <utility>

namespace tintara::ui {

Control::Control(ControlKind kind, std::string name, TwipRect rect)
    : kind_(kind), name_(std::move(name)), rect_(rect) {}

void Control::changed() {
    if (view_) view_->modelChanged(*this);
}

void Control::setRect(TwipRect rect) {
    rect_ = rect;
    changed();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    changed();
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed();
}

void Control::setBackColor(Rgb color) {
    if (backColor_ == color) return;
    backColor_ = color;
    changed();
}

void Control::setForeColor(Rgb color) {
    if (foreColor_ == color) return;
    foreColor_ = color;
    changed();
}

void Control::setFont(Font font) {
    font_ = std::move(font);
    changed();
}

}  // namespace tintara::ui
