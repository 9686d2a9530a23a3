#include "textio/text_file.h"

#include <fstream>
#include <system_error>

namespace tintara::textio {

namespace {
TextFile refused(FileProblem problem) { return TextFile{problem, {}}; }
}  // namespace

TextFile readTextFile(const std::filesystem::path& path, std::size_t limit) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return refused(FileProblem::Missing);
    if (status.type() == std::filesystem::file_type::directory) return refused(FileProblem::Folder);
    if (ec) return refused(FileProblem::Unreadable);
    if (status.type() != std::filesystem::file_type::regular) return refused(FileProblem::NotRegular);

    std::ifstream in(path, std::ios::binary);
    if (!in) return refused(FileProblem::Unreadable);
    TextFile file;
    // One byte more than the limit tells a file that is too large.
    file.text.resize(limit + 1);
    in.read(file.text.data(), static_cast<std::streamsize>(file.text.size()));
    if (in.bad()) return refused(FileProblem::Unreadable);
    file.text.resize(static_cast<std::size_t>(in.gcount()));
    if (file.text.size() > limit) return refused(FileProblem::TooLarge);
    return file;
}

std::string describeProblem(const std::filesystem::path& path, FileProblem problem, std::size_t limit) {
    const std::string name = path.string();
    switch (problem) {
    case FileProblem::Missing: return name + " was not found";
    case FileProblem::Folder: return name + " is a folder";
    case FileProblem::NotRegular: return name + " is not a regular file";
    case FileProblem::TooLarge: return name + " is larger than " + std::to_string(limit) + " bytes";
    case FileProblem::Unreadable: return name + " cannot be read";
    case FileProblem::None: break;
    }
    return {};
}

}  // namespace tintara::textio
