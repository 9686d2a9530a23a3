#include "ui/qt/qt_clock.h"

#include <QDateTime>
#include <QTime>

namespace tintara::ui::qt {

double QtClock::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

DateTime QtClock::now() {
    const QDateTime t = QDateTime::currentDateTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),
                    t.time().hour(), t.time().minute(), t.time().second()};
}

}  // namespace tintara::ui::qt
