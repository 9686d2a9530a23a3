// Lets Qt handle what is pending, once: the windows call it inside long loops
// and while waiting for an instrument.
#pragma once

#include "ui/services.h"

namespace tintara::ui::qt {

class QtEventPump : public EventPump {
public:
    void doEvents() override;
};

}  // namespace tintara::ui::qt
