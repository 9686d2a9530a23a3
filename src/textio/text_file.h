// Reading a whole text file the program did not write: only a regular file is
// opened, and only up to a size no file of its kind comes near.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tintara::textio {

enum class FileProblem {
    None,
    Missing,     // nothing of that name
    Folder,      // a folder of that name
    NotRegular,  // a pipe, a device, a socket: opening it could wait for ever or never end
    TooLarge,    // more than the limit
    Unreadable   // there, but it cannot be read
};

struct TextFile {
    FileProblem problem = FileProblem::None;
    std::string text;  // the whole file when there is no problem
};

// Reads the file if it is a regular file (a link to one is followed) of at
// most `limit` bytes; anything else is refused without being opened.
TextFile readTextFile(const std::filesystem::path& path, std::size_t limit);

// "<path> is not a regular file" and the like, for a message.
std::string describeProblem(const std::filesystem::path& path, FileProblem problem, std::size_t limit);

}  // namespace tintara::textio
