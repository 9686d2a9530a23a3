#include "ui/headless/headless_timers.h"

namespace tintara::ui {

HeadlessTimers::HeadlessTimers(Window& window, HeadlessClock* clock) : window_(window), clock_(clock) {
    for (Timer* timer : window_.timers()) {
        timer->setView(this);
        timerChanged(*timer);
    }
}

HeadlessTimers::~HeadlessTimers() {
    for (Timer* timer : window_.timers()) timer->setView(nullptr);
}

void HeadlessTimers::timerChanged(const Timer& timer) { schedules_[&timer].due = now_ + timer.interval(); }

int HeadlessTimers::ticks(const Timer& timer) const {
    const auto it = schedules_.find(&timer);
    return it == schedules_.end() ? 0 : it->second.ticks;
}

// The running timer due first, no later than `until`; on a tie, the one the
// window lists first.
Timer* HeadlessTimers::nextDue(long long until) {
    Timer* next = nullptr;
    for (Timer* timer : window_.timers()) {
        if (!timer->running()) continue;
        const long long due = schedules_[timer].due;
        if (due <= until && (!next || due < schedules_[next].due)) next = timer;
    }
    return next;
}

void HeadlessTimers::advance(long long ms) {
    const long long until = now_ + ms;
    while (Timer* timer = nextDue(until)) {
        Schedule& schedule = schedules_[timer];
        if (clock_) clock_->advance(double(schedule.due - now_) / 1000.0);
        now_ = schedule.due;
        schedule.due = now_ + timer->interval();  // a handler that changes the interval sets it anew
        if (timer->fire()) ++schedules_[timer].ticks;
    }
    // A handler that let time pass may have gone beyond `until` already.
    if (until <= now_) return;
    if (clock_) clock_->advance(double(until - now_) / 1000.0);
    now_ = until;
}

}  // namespace tintara::ui
