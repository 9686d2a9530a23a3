// A window's timers on a time of their own that a test moves on by hand: each
// running timer fires whenever its interval has passed, in the order the
// ticks fall due, and a hand-set clock, when given, reads the time of each tick.
#pragma once

#include <map>
#include <vector>

#include "ui/headless/headless_platform.h"
#include "ui/window.h"

namespace tintara::ui {

class HeadlessTimers : public TimerView {
public:
    // Becomes the view of each of the window's timers; must go before the window.
    explicit HeadlessTimers(Window& window, HeadlessClock* clock = nullptr);
    ~HeadlessTimers() override;
    HeadlessTimers(const HeadlessTimers&) = delete;
    HeadlessTimers& operator=(const HeadlessTimers&) = delete;

    // Moves the time on by this many milliseconds, firing what falls due.
    void advance(long long ms);
    long long now() const { return now_; }
    // Ticks each timer received (dropped ones not counted).
    int ticks(const Timer& timer) const;

    void timerChanged(const Timer& timer) override;

private:
    struct Schedule {
        long long due = 0;
        int ticks = 0;
    };
    Timer* nextDue(long long until);

    Window& window_;
    HeadlessClock* clock_;
    long long now_ = 0;
    std::map<const Timer*, Schedule> schedules_;
};

}  // namespace tintara::ui
