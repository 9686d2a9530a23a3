// Picture boxes and shapes: the controls that show a drawing surface or a
// filled figure.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"
#include "ui/image.h"
#include "ui/surface.h"
#include "ui/user_coordinates.h"

namespace tintara::ui {

enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

// The units a picture box measures its area in: twips (15 to a pixel, the
// default), pixels, or the window's own (setUserScale).
enum class ScaleMode { Twips, Pixels, User };

class PictureBox : public Control {
public:
    PictureBox(std::string name, TwipRect rect, Rgb background = lightGrey);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Paints the whole box in one colour (a swatch).
    void fill(Rgb color);
    // Tells the view the surface was drawn on.
    void refresh() { changed(); }

    // A new size resizes the surface too; what lay inside both sizes stays.
    void setRect(TwipRect rect) override;
    // Shows the picture at its own size: the box takes the picture's width and
    // height, and its surface becomes the picture.
    void setPicture(const Image& picture);

    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode mode);
    // The area's left and top edges and its width and height in the window's
    // units; a negative height makes y grow upwards. False, and the scale left
    // as it was, for an extent of zero or a value that is not a finite number.
    bool setUserScale(double left, double top, double width, double height);
    // The current units over the current size.
    UserCoordinates scale() const;

    // Pointer positions are in the box's units, as the windows use them.
    void mouseDown(MouseButton button, int shift, float x, float y);
    void mouseMove(MouseButton button, int shift, float x, float y);
    std::function<void(MouseButton, int, float, float)> onMouseDown;
    std::function<void(MouseButton, int, float, float)> onMouseMove;
    // The same, from a backend that knows the pointer in pixels of the box.
    void pointerDown(MouseButton button, int shift, double px, double py);
    void pointerMove(MouseButton button, int shift, double px, double py);

    // The colour under a position in the box's units; false outside.
    bool colorAt(float x, float y, Rgb& color) const;

private:
    Surface surface_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    std::optional<UserCoordinates> userScale_;
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
