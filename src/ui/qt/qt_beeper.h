// The system's warning sound.
#pragma once

#include "ui/services.h"

namespace tintara::ui::qt {

class QtBeeper : public Beeper {
public:
    void beep() override;
};

}  // namespace tintara::ui::qt
