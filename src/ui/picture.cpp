#include "ui/picture.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tintara::ui {

PictureBox::PictureBox(std::string name, TwipRect rect, Rgb background)
    : Control(ControlKind::PictureBox, std::move(name), rect),
      surface_(rect.width / twipsPerPixel, rect.height / twipsPerPixel, background) {}

void PictureBox::fill(Rgb color) {
    surface_.clear(color);
    changed();
}

void PictureBox::setRect(TwipRect rect) {
    surface_.resize(rect.width / twipsPerPixel, rect.height / twipsPerPixel);
    Control::setRect(rect);
}

void PictureBox::setPicture(const Image& picture) {
    surface_.assign(picture);
    TwipRect r = rect();
    r.width = picture.width() * twipsPerPixel;
    r.height = picture.height() * twipsPerPixel;
    Control::setRect(r);
}

void PictureBox::setScaleMode(ScaleMode mode) {
    if (mode == ScaleMode::User && !userScale_) return;
    scaleMode_ = mode;
}

bool PictureBox::setUserScale(double left, double top, double width, double height) {
    UserCoordinates units(left, top, width, height, std::max(surface_.width(), 1), std::max(surface_.height(), 1));
    if (!units.valid()) return false;
    userScale_ = units;
    scaleMode_ = ScaleMode::User;
    return true;
}

UserCoordinates PictureBox::scale() const {
    const int w = surface_.width(), h = surface_.height();
    switch (scaleMode_) {
    case ScaleMode::Pixels: return UserCoordinates::pixels(w, h);
    case ScaleMode::User: return userScale_->resized(w, h);
    case ScaleMode::Twips: break;
    }
    return UserCoordinates::twips(w, h);
}

void PictureBox::mouseDown(MouseButton button, int shift, float x, float y) {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void PictureBox::mouseMove(MouseButton button, int shift, float x, float y) {
    if (onMouseMove) onMouseMove(button, shift, x, y);
}

void PictureBox::pointerDown(MouseButton button, int shift, double px, double py) {
    const UserCoordinates units = scale();
    mouseDown(button, shift, float(units.toUserX(px)), float(units.toUserY(py)));
}

void PictureBox::pointerMove(MouseButton button, int shift, double px, double py) {
    const UserCoordinates units = scale();
    mouseMove(button, shift, float(units.toUserX(px)), float(units.toUserY(py)));
}

bool PictureBox::colorAt(float x, float y, Rgb& color) const {
    const UserCoordinates units = scale();
    const double px = std::floor(units.toPixelX(x)), py = std::floor(units.toPixelY(y));
    if (!(px >= 0 && py >= 0 && px < surface_.width() && py < surface_.height())) return false;
    return surface_.pixel(int(px), int(py), color);
}

Shape::Shape(std::string name, TwipRect rect, ShapeKind shape)
    : Control(ControlKind::Shape, std::move(name), rect), shape_(shape) {}

void Shape::setFillColor(Rgb color) {
    if (fillColor_ == color) return;
    fillColor_ = color;
    changed();
}

void Shape::setBorderColor(Rgb color) {
    if (borderColor_ == color) return;
    borderColor_ = color;
    changed();
}

void Shape::setBorderStyle(BorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    changed();
}

}  // namespace tintara::ui
