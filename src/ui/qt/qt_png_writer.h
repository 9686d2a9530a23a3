// Pictures written as PNG files, for the command line's charts and views. The
// file is written under a temporary name beside it and renamed when complete,
// so a failure (a full disk, a folder of that name) leaves no partial file and
// any earlier file of that name as it was.
#pragma once

#include <string>

#include "datafiles/whole_file.h"
#include "ui/image.h"
#include "ui/surface.h"

namespace tintara::ui::qt {

// False with a message naming the file when it could not be written. Every
// byte passes `seam` (tests make the disk fill up there).
bool writePng(const Image& picture, const std::string& path, std::string& error, datafiles::WriteSeam* seam = nullptr);
inline bool writePng(const Surface& surface, const std::string& path, std::string& error,
                     datafiles::WriteSeam* seam = nullptr) {
    return writePng(surface.image(), path, error, seam);
}

}  // namespace tintara::ui::qt
