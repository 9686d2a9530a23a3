// What a person does on a widget, passed on to its control model.
#pragma once

#include <QWidget>

#include "ui/control.h"

namespace tintara::ui::qt {

class ControlBinding;

void connectWidget(Control& control, QWidget& widget, ControlBinding& binding);

}  // namespace tintara::ui::qt
