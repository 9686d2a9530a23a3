#include "datafiles/whole_file.h"

#include <fstream>
#include <system_error>

namespace tintara::datafiles {

bool replaceFile(const std::filesystem::path& file, const std::string& content, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        error = "Cannot write " + file.string() + ": it is a folder";
        return false;
    }
    const std::filesystem::path temporary = file.string() + ".new";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) written = bool(out.write(content.data(), std::streamsize(content.size())).flush());
    }
    if (written) std::filesystem::rename(temporary, file, ec);
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        error = "Cannot write " + file.string();
        return false;
    }
    return true;
}

}  // namespace tintara::datafiles
