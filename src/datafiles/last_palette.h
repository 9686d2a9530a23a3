// "LastPalette.txt": the name of the palette the viewer showed last, so that
// it opens with it again.
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "datafiles/whole_file.h"

namespace tintara::datafiles {

inline constexpr const char* lastPaletteFileName = "LastPalette.txt";
inline constexpr const char* defaultPaletteName = "newpalette2.csv";

// The first field of the file's first line; none when the file is missing,
// unreadable or holds no name.
std::optional<std::string> readLastPalette(const std::filesystem::path& file);
// The same from the file's content.
std::optional<std::string> readLastPalette(std::istream& in);

// The line the file holds for a name: the name itself, or quoted as a palette
// field is when it holds a comma, a quote or blanks at either end, so that it
// reads back whole. CR LF at the end.
std::string lastPaletteLine(const std::string& name);

// Rewrites the file with the name as its only line; false with a message when
// it cannot (the old name then stays), or when the name holds a line end.
bool writeLastPalette(const std::filesystem::path& file, const std::string& name, std::string& error,
                      WriteSeam* seam = nullptr);

}  // namespace tintara::datafiles
