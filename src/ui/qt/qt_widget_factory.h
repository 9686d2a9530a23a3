// The Qt widget that shows each kind of control model, set up once; what
// changes with the model is applied by syncWidget.
#pragma once

#include <QWidget>

#include "ui/control.h"

namespace tintara::ui::qt {

QWidget* createWidget(Control& control, QWidget& parent);

}  // namespace tintara::ui::qt
