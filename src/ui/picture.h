// Picture boxes and shapes: the controls that show a drawing surface or a
// filled figure.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/surface.h"

namespace tintara::ui {

enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

class PictureBox : public Control {
public:
    PictureBox(std::string name, TwipRect rect, Rgb background = lightGrey);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Paints the whole box in one colour (a swatch).
    void fill(Rgb color);
    // Tells the view the surface was drawn on.
    void refresh() { changed(); }

    // Pointer positions are in twips inside the box, as the windows use them.
    void mouseDown(MouseButton button, int shift, float x, float y);
    void mouseMove(MouseButton button, int shift, float x, float y);
    std::function<void(MouseButton, int, float, float)> onMouseDown;
    std::function<void(MouseButton, int, float, float)> onMouseMove;

    // The colour under a pointer position given in twips; false outside.
    bool colorAt(float x, float y, Rgb& color) const;

private:
    Surface surface_;
};

enum class ShapeKind { Rectangle, Square, Circle, Oval };

class Shape : public Control {
public:
    Shape(std::string name, TwipRect rect, ShapeKind shape = ShapeKind::Rectangle);
    ShapeKind shape() const { return shape_; }
    Rgb fillColor() const { return fillColor_; }
    void setFillColor(Rgb color);
    Rgb borderColor() const { return borderColor_; }
    void setBorderColor(Rgb color);
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    bool filled = true;

private:
    ShapeKind shape_;
    Rgb fillColor_ = lightGrey;
    Rgb borderColor_ = black;
    BorderStyle borderStyle_ = BorderStyle::Solid;
};

}  // namespace tintara::ui
