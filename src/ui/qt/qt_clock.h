// The local time of day and date.
#pragma once

#include "ui/services.h"

namespace tintara::ui::qt {

class QtClock : public Clock {
public:
    double secondsSinceMidnight() override;
    DateTime now() override;
};

}  // namespace tintara::ui::qt
