// Twips, pixels and colours between the window models and Qt. Qt's logical
// pixels are the 96-dpi pixels the twip positions were laid out for; Qt scales
// them for high-density screens.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>

#include "ui/control.h"

namespace tintara::ui::qt {

int pixels(int twips);
QRect toQRect(const TwipRect& rect);
// A pointer position in logical pixels as the twips the windows work in.
float toTwips(qreal pixels);

QColor toQColor(Rgb color);

}  // namespace tintara::ui::qt
