#include "datafiles/import_types.h"

#include <array>

namespace tintara::datafiles {

namespace {
// In the order of ImportType.
constexpr std::array<ImportTypeInfo, 7> types{{
    {"xyz", "", "", FirstLine::Skipped, 4, "a tag, X, Y and Z", false},
    {"6", "lab_sRGB.csv", "lab_sRGB.txt", FirstLine::Skipped, 3, "L*, a* and b*", false},
    {"0", "", "tempOUT.txt", FirstLine::Skipped, 3, "hue, value and chroma", false},
    {"3", "steps.txt", "stepsMUNSELL.txt", FirstLine::Record, 3, "hue, value and chroma separated by two tabs", true},
    {"4", "ccnames.csv", "cchecker.csv", FirstLine::Header, 5, "two names, hue, value and chroma", true},
    {"2", "RHScolors.txt", "RHScolorsMUNSELL.txt", FirstLine::Header, 6, "three names, hue, value and chroma", true},
    {"1", "munfile1.txt", "munout.txt", FirstLine::Record, 3 + spectrumPoints, "three names and 40 reflectances",
     false},
}};
}  // namespace

const ImportTypeInfo& importTypeInfo(ImportType type) { return types[static_cast<std::size_t>(type)]; }

std::optional<ImportType> importTypeFor(std::string_view answer) {
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].code == answer) return static_cast<ImportType>(i);
    return std::nullopt;
}

}  // namespace tintara::datafiles
