#include "workspace/file_locations.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace tintara::workspace {

namespace {
bool sameNameIgnoringCase(const std::string& a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}
}  // namespace

std::filesystem::path FileLocations::shipped(std::string_view name) const {
    std::error_code ec;
    const auto here = workingDir / name;
    if (std::filesystem::is_regular_file(here, ec)) return here;
    for (const auto& dir : dataDirs) {
        const auto there = dir / name;
        if (std::filesystem::is_regular_file(there, ec)) return there;
    }
    return here;
}

std::filesystem::path FileLocations::working(std::string_view name) const {
    std::error_code ec;
    const auto exact = workingDir / name;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(workingDir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameNameIgnoringCase(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

FileLocations FileLocations::forProgram(const char* argv0) {
    std::error_code ec;
    FileLocations files;
    files.workingDir = std::filesystem::current_path(ec);
    auto program = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec && argv0) program = std::filesystem::absolute(argv0, ec);
    if (!program.empty()) {
        files.dataDirs.push_back(program.parent_path());
        files.dataDirs.push_back(program.parent_path().parent_path() / "share" / "tintara");
    }
    return files;
}

}  // namespace tintara::workspace
