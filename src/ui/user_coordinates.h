// A picture box's own units: the left and top edges and the width and height
// of its area in units the window chooses. A negative height makes y grow
// upwards (the palette viewer puts value 10 at the top), a negative width makes
// x grow to the left.
#pragma once

namespace tintara::ui {

// Maps user units to pixel coordinates and back. Pixel coordinates are
// continuous: pixel (i, j) is the square i <= x < i + 1, j <= y < j + 1, so the
// left edge of the area is x = 0 and its right edge x = pixelWidth.
class UserCoordinates {
public:
    // Twips, 15 to a pixel: the units of a window's controls.
    static UserCoordinates twips(int pixelWidth, int pixelHeight);
    // One unit to a pixel.
    static UserCoordinates pixels(int pixelWidth, int pixelHeight);

    // An extent of zero, or any value that is not a finite number, cannot map;
    // valid() says so and such a scale maps every point to 0.
    UserCoordinates(double left, double top, double width, double height, int pixelWidth, int pixelHeight);

    bool valid() const { return valid_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    int pixelWidth() const { return pixelWidth_; }
    int pixelHeight() const { return pixelHeight_; }

    double toPixelX(double x) const { return valid_ ? (x - left_) * perUnitX_ : 0.0; }
    double toPixelY(double y) const { return valid_ ? (y - top_) * perUnitY_ : 0.0; }
    double toUserX(double px) const { return valid_ ? left_ + px / perUnitX_ : 0.0; }
    double toUserY(double py) const { return valid_ ? top_ + py / perUnitY_ : 0.0; }
    // A length in user units as pixels across or down, whatever the direction
    // of the axis: a circle's radius, an ellipse's radii.
    double pixelsAcross(double length) const;
    double pixelsDown(double length) const;

    // The same units over an area of another size (a picture box that grew).
    UserCoordinates resized(int pixelWidth, int pixelHeight) const;

private:
    double left_, top_, width_, height_;
    int pixelWidth_, pixelHeight_;
    double perUnitX_ = 0, perUnitY_ = 0;
    bool valid_ = false;
};

}  // namespace tintara::ui
