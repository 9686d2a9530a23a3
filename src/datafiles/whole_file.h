// Files written whole: the new content goes to a temporary file beside the
// old one and takes its name only once it is all on the disk, so a failed
// write leaves what was there before.
#pragma once

#include <filesystem>
#include <string>

namespace tintara::datafiles {

// Replaces the file's content (creating it when missing). False with a message
// naming the file when it cannot be written; the old content then stays.
bool replaceFile(const std::filesystem::path& file, const std::string& content, std::string& error);

}  // namespace tintara::datafiles
