// Modal dialogs on Qt: message box, input box and file-open dialog. Each
// returns its answer when the person has given it.
#pragma once

#include "ui/services.h"

namespace tintara::ui::qt {

class QtDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& prompt, MessageButtons buttons, MessageIcon icon,
                      const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> openFile(const std::string& filter, const std::string& title) override;
};

}  // namespace tintara::ui::qt
