#include "imaging/palette_name.h"

#include <filesystem>

namespace tintara::imaging {

std::string proposedPaletteName(std::string_view pictureFile) {
    const auto separator = pictureFile.find_last_of("/\\");
    std::string_view name = separator == std::string_view::npos ? pictureFile : pictureFile.substr(separator + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string workingPaletteName(const std::string& paletteFile) {
    const std::filesystem::path file(paletteFile);
    return (file.parent_path() / ("." + file.filename().string() + ".part.csv")).string();
}

}  // namespace tintara::imaging
