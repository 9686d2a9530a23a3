#include "ui/qt/qt_geometry.h"

#include <cmath>

namespace tintara::ui::qt {

int pixels(int twips) { return int(std::nearbyint(double(twips) / twipsPerPixel)); }

QRect toQRect(const TwipRect& rect) {
    return QRect(pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height));
}

float toTwips(qreal pixels) { return float(pixels * twipsPerPixel); }

QColor toQColor(Rgb color) { return QColor(color.r, color.g, color.b); }

}  // namespace tintara::ui::qt
