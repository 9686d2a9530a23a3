// Fonts of the window models as Qt fonts.
#pragma once

#include <QFont>

#include "ui/control.h"

namespace tintara::ui::qt {

// The windows were laid out for Arial (and, in places, Times New Roman or
// Courier New). Where the named font is missing, a metric-compatible one is
// taken if installed; otherwise a wider stand-in such as DejaVu is shrunk a
// little, so that captions keep to the widths they were given.
QFont toQFont(const Font& font);

}  // namespace tintara::ui::qt
