#include "ui/timer.h"

#include <algorithm>
#include <utility>

namespace tintara::ui {

Timer::Timer(std::string name, int intervalMs, bool enabled)
    : name_(std::move(name)), interval_(std::max(intervalMs, 0)), enabled_(enabled) {}

void Timer::changed() {
    if (view_) view_->timerChanged(*this);
}

// Setting the interval or enabling again restarts the count, even when the
// value is the one the timer had.
void Timer::setInterval(int ms) {
    interval_ = std::max(ms, 0);
    changed();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    changed();
}

bool Timer::fire() {
    if (busy_ || !running()) return false;
    busy_ = true;
    struct Release {
        bool& flag;
        ~Release() { flag = false; }
    } release{busy_};
    if (onTimer) onTimer();
    return true;
}

}  // namespace tintara::ui
