#include "ui/user_coordinates.h"

#include <cmath>

#include "ui/control.h"

namespace tintara::ui {

UserCoordinates UserCoordinates::twips(int pixelWidth, int pixelHeight) {
    return UserCoordinates(0, 0, double(pixelWidth) * twipsPerPixel, double(pixelHeight) * twipsPerPixel, pixelWidth,
                           pixelHeight);
}

UserCoordinates UserCoordinates::pixels(int pixelWidth, int pixelHeight) {
    return UserCoordinates(0, 0, pixelWidth, pixelHeight, pixelWidth, pixelHeight);
}

UserCoordinates::UserCoordinates(double left, double top, double width, double height, int pixelWidth, int pixelHeight)
    : left_(left), top_(top), width_(width), height_(height), pixelWidth_(pixelWidth), pixelHeight_(pixelHeight) {
    const bool finite = std::isfinite(left) && std::isfinite(top) && std::isfinite(width) && std::isfinite(height);
    valid_ = finite && width != 0 && height != 0 && pixelWidth > 0 && pixelHeight > 0;
    if (!valid_) return;
    perUnitX_ = pixelWidth / width;
    perUnitY_ = pixelHeight / height;
    // A width so small that a unit spans more pixels than a double holds cannot map.
    valid_ = std::isfinite(perUnitX_) && std::isfinite(perUnitY_);
}

double UserCoordinates::pixelsAcross(double length) const { return valid_ ? std::abs(length * perUnitX_) : 0.0; }

double UserCoordinates::pixelsDown(double length) const { return valid_ ? std::abs(length * perUnitY_) : 0.0; }

UserCoordinates UserCoordinates::resized(int pixelWidth, int pixelHeight) const {
    return UserCoordinates(left_, top_, width_, height_, pixelWidth, pixelHeight);
}

}  // namespace tintara::ui
