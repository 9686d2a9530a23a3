#include "ui/picture.h"

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

void PictureBox::mouseDown(MouseButton button, int shift, float x, float y) {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void PictureBox::mouseMove(MouseButton button, int shift, float x, float y) {
    if (onMouseMove) onMouseMove(button, shift, x, y);
}

bool PictureBox::colorAt(float x, float y, Rgb& color) const {
    const int px = int(std::floor(x / twipsPerPixel));
    const int py = int(std::floor(y / twipsPerPixel));
    return surface_.pixel(px, py, color);
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
