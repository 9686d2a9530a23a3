// A timer model on a QTimer. The QTimer runs while the model does and starts
// its count again whenever the model's interval or state is set; each timeout
// fires the model, which drops the tick if its handler is still running.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/timer.h"

namespace tintara::ui::qt {

class TimerBinding : public TimerView {
public:
    // Dialogs a Timer handler opens belong to `window`.
    TimerBinding(Timer& timer, QWidget& window);
    ~TimerBinding() override;
    TimerBinding(const TimerBinding&) = delete;
    TimerBinding& operator=(const TimerBinding&) = delete;

    const QTimer& qtimer() const { return qtimer_; }
    void timerChanged(const Timer& timer) override;

private:
    Timer& timer_;
    QPointer<QWidget> window_;
    QTimer qtimer_;
};

}  // namespace tintara::ui::qt
