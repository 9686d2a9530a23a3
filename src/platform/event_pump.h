// Letting the user interface run while a long operation goes on.
#pragma once

namespace tintara::platform {

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets the user interface handle what is pending, once.
    virtual void doEvents() = 0;
};

}  // namespace tintara::platform
