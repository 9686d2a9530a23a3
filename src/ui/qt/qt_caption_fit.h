// The font a caption is shown in. The windows were laid out for Arial; a
// stand-in font of slightly different widths, or a style with a wider check
// mark, could clip a caption in the box the window gives it. Such a caption
// is shown up to a quarter smaller, just small enough to fit.
#pragma once

#include <QFont>
#include <QWidget>

#include "ui/control.h"

namespace tintara::ui::qt {

QFont fittedFont(const Control& control, const QWidget& widget, const QFont& font);

}  // namespace tintara::ui::qt
