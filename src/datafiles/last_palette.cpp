#include "datafiles/last_palette.h"

#include <sstream>

#include "datafiles/whole_file.h"
#include "textio/fieldreader.h"
#include "textio/printstyle.h"
#include "textio/text_file.h"

namespace tintara::datafiles {

std::optional<std::string> readLastPalette(const std::filesystem::path& file) {
    // One file name; anything larger is no name and is read as none.
    constexpr std::size_t limit = 64 * 1024;
    const textio::TextFile text = textio::readTextFile(file, limit);
    if (text.problem != textio::FileProblem::None) return std::nullopt;
    std::istringstream in(text.text);
    return readLastPalette(in);
}

std::optional<std::string> readLastPalette(std::istream& in) {
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
