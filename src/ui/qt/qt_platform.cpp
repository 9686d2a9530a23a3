#include "ui/qt/qt_platform.h"

namespace tintara::ui::qt {

QtPlatform::QtPlatform(SerialPort& serial)
    : platform_{dialogs, clock, events, beeper, printer, serial, text, pictures} {}

}  // namespace tintara::ui::qt
