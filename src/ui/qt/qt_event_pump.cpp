#include "ui/qt/qt_event_pump.h"

#include <QCoreApplication>

namespace tintara::ui::qt {

void QtEventPump::doEvents() { QCoreApplication::processEvents(); }

}  // namespace tintara::ui::qt
