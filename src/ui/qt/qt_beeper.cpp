#include "ui/qt/qt_beeper.h"

#include <QApplication>

namespace tintara::ui::qt {

void QtBeeper::beep() { QApplication::beep(); }

}  // namespace tintara::ui::qt
