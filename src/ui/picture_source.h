// Where pictures come from: picture files (JPEG and PNG), the clipboard, and
// the size of the screen they are shown on.
#pragma once

#include <optional>
#include <string>

#include "ui/image.h"

namespace tintara::ui {

struct ScreenSize {
    int width = 0, height = 0;  // pixels
};

class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture in the file; nothing, with a message that names the file,
    // when it cannot be read (missing, a folder, damaged, too large).
    virtual std::optional<Image> loadPicture(const std::string& path, std::string& error) = 0;
    // The picture on the clipboard; nothing, with a message, when it holds none
    // or one too large.
    virtual std::optional<Image> clipboardPicture(std::string& error) = 0;
    virtual ScreenSize screenSize() = 0;
};

}  // namespace tintara::ui
