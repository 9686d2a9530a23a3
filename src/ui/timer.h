// A timer: raises its Timer event every interval while it is enabled, as the
// palette viewer's rotation and redraw timers do. An interval of 0 stops it.
// A Timer handler that is still running when the next interval comes (it let
// events run) is not entered again: that tick is dropped, not queued.
#pragma once

#include <functional>
#include <string>

namespace tintara::ui {

class Timer;

// A backend's clock for one timer, told when the timer starts, stops or
// changes its interval; it starts counting the interval again from then.
class TimerView {
public:
    virtual ~TimerView() = default;
    virtual void timerChanged(const Timer& timer) = 0;
};

class Timer {
public:
    explicit Timer(std::string name, int intervalMs = 0, bool enabled = true);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    // In milliseconds; a negative interval counts as 0.
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Enabled with an interval above 0.
    bool running() const { return enabled_ && interval_ > 0; }

    // The interval has passed: runs the handler unless it is already running.
    // False when the tick was dropped.
    bool fire();
    bool busy() const { return busy_; }
    std::function<void()> onTimer;

    void setView(TimerView* view) { view_ = view; }

private:
    void changed();
    std::string name_;
    int interval_;
    bool enabled_;
    bool busy_ = false;
    TimerView* view_ = nullptr;
};

}  // namespace tintara::ui
