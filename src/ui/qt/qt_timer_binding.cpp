#include "ui/qt/qt_timer_binding.h"

#include "ui/qt/qt_dialog_parent.h"

namespace tintara::ui::qt {

TimerBinding::TimerBinding(Timer& timer, QWidget& window) : timer_(timer), window_(&window) {
    // Intervals of a few milliseconds (the viewer's redraw every 10) need Qt's precise timers.
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, &qtimer_, [this] {
        const HandlingWindow handling(window_);
        timer_.fire();
    });
    timer_.setView(this);
    timerChanged(timer_);
}

TimerBinding::~TimerBinding() { timer_.setView(nullptr); }

void TimerBinding::timerChanged(const Timer& timer) {
    if (timer.running())
        qtimer_.start(timer.interval());
    else
        qtimer_.stop();
}

}  // namespace tintara::ui::qt
