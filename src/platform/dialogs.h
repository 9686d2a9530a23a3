// Modal dialogs: message boxes, input boxes and the file-open dialog. They
// return the person's answer before the caller goes on.
#pragma once

#include <optional>
#include <string>

namespace tintara::platform {

enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Critical, Question, Exclamation };
enum class Answer { OK, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const std::string& prompt, MessageButtons buttons = MessageButtons::OK,
                              MessageIcon icon = MessageIcon::None, const std::string& title = {}) = 0;
    // Nothing when the person cancels.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title = {},
                                                const std::string& defaultText = {}) = 0;
    // A file chosen in an open dialog with a filter such as "*.txt|*.txt";
    // nothing when cancelled. The working directory is left as it was.
    virtual std::optional<std::string> openFile(const std::string& filter, const std::string& title = {}) = 0;
};

}  // namespace tintara::platform
