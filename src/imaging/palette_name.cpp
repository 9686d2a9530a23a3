#include "imaging/palette_name.h"

namespace tintara::imaging {

std::string proposedPaletteName(std::string_view pictureFile) {
    const auto separator = pictureFile.find_last_of("/\\");
    std::string_view name = separator == std::string_view::npos ? pictureFile : pictureFile.substr(separator + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace tintara::imaging
