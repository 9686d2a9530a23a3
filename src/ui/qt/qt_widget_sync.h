// Brings a widget in step with its control model: text, caption, value,
// range, visibility, enabled state, colours and position. The widget's
// signals are blocked meanwhile, so nothing of this comes back to the model.
#pragma once

#include <QWidget>

#include "ui/control.h"

namespace tintara::ui::qt {

void syncWidget(const Control& control, QWidget& widget);

}  // namespace tintara::ui::qt
