// The time-of-day clock the serial waits are timed with, and the date and time
// that files are stamped with.
#pragma once

namespace tintara::platform {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight; restarts at 0 every day.
    virtual double secondsSinceMidnight() = 0;
    virtual DateTime now() = 0;
};

}  // namespace tintara::platform
