// The "Import %R" file reader. A curve it accepts has 40 values, each a
// possible reflectance, and written out again it reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "instruments/reflectance_file.h"
#include "instruments/reply_fields.h"

using namespace tintara::instruments;
using tintara::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReflectanceFile file;
    if (readReflectanceFile(text, file) != ImportFault::None) return 0;
    require(file.tag.find_first_of("\r\n") == std::string::npos, "the tag is one line");
    std::string written = "tag\r\n";
    for (std::size_t i = 1; i <= 40; ++i) {
        require(file.curve[i] >= lowestReflectance && file.curve[i] <= highestReflectance, "a possible reflectance");
        char number[32];
        std::snprintf(number, sizeof number, "%.9g", double(file.curve[i]));
        written += std::string(number) + (i % 8 == 0 ? "\r\n" : ",");
    }
    ReflectanceFile again;
    require(readReflectanceFile(written, again) == ImportFault::None, "written, it reads back");
    for (std::size_t i = 1; i <= 40; ++i) require(again.curve[i] == file.curve[i], "the same values");
    return 0;
}
