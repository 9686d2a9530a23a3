// Where the program reads and writes its files: the person's working folder
// first, and for the files the program ships, its own data folders after that.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace tintara::workspace {

struct FileLocations {
    std::filesystem::path workingDir;
    std::vector<std::filesystem::path> dataDirs;

    // A file the program ships (Vezedu.dat, ccnames.csv ...): the working
    // folder's copy when there is one, otherwise the first data folder's.
    // When none exists, the working folder's path, for the message.
    std::filesystem::path shipped(std::string_view name) const;

    // A file in the working folder whose name is compared without regard to
    // case, so that "ZOL.cfg" and "zol.cfg" are one file on every system. When
    // none exists, the path under the name given.
    std::filesystem::path working(std::string_view name) const;

    // The current directory, then the folder of the running program and the
    // share/tintara folder beside an installed one.
    static FileLocations forProgram(const char* argv0);
};

}  // namespace tintara::workspace
