#include "datafiles/last_palette.h"

#include <fstream>

#include "datafiles/whole_file.h"
#include "textio/fieldreader.h"
#include "textio/printstyle.h"

namespace tintara::datafiles {

std::optional<std::string> readLastPalette(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    textio::FieldReader reader(in);
    auto name = reader.field();
    if (!name || name->empty()) return std::nullopt;
    return name;
}

std::string lastPaletteLine(const std::string& name) {
    const bool quoted =
        name.find_first_of(",\"") != std::string::npos ||
        (!name.empty() && (name.front() == ' ' || name.back() == ' ' || name.front() == '\t' || name.back() == '\t'));
    if (quoted) return textio::writeLine({name});
    return name + std::string(textio::lineEnd);
}

bool writeLastPalette(const std::filesystem::path& file, const std::string& name, std::string& error, WriteSeam* seam) {
    if (name.find_first_of("\r\n") != std::string::npos) {
        error = "The palette name holds a line end and cannot be remembered";
        return false;
    }
    return replaceFile(file, lastPaletteLine(name), error, seam);
}

}  // namespace tintara::datafiles
