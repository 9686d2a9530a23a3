// The reflectance file of "Import %R": a tag line, then exactly 40
// reflectances in percent for 360, 370, ... 750 nm, separated by commas
// and/or line breaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "instruments/spectral.h"

namespace tintara::instruments {

// A file of a tag and 40 numbers is a few hundred bytes; a larger file than
// this is not one.
inline constexpr std::size_t reflectanceFileLimit = 64 * 1024;

enum class ImportFault {
    None,
    Format,     // not a tag line and exactly 40 numbers
    OutOfRange  // a value no reflectance can have
};

struct ReflectanceFile {
    std::string tag;
    Reflectance curve{};  // indices 1..40, when the file was read without fault
};

// Reads the file's text; the tag is read whatever follows it.
ImportFault readReflectanceFile(std::string_view text, ReflectanceFile& file);

}  // namespace tintara::instruments
