#include "ui/qt/qt_platform.h"

namespace tintara::ui::qt {

QtPlatform::QtPlatform(SerialPort& serial) : platform_{dialogs, clock, events, beeper, printer, serial} {}

}  // namespace tintara::ui::qt
