// The "zol.cfg" reader. A configuration it accepts has a port from 1 to 4 and
// a name without commas, line ends or blanks at either end, and reads back the
// same once written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "instruments/config_file.h"

using namespace tintara::instruments;
using tintara::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto config = readConfig(text);
    if (!config) return 0;
    require(config->commPort >= 1 && config->commPort <= 4, "the port is 1..4");
    const std::string& name = config->instName;
    require(name.find_first_of(",\r\n") == std::string::npos, "the name holds no comma or line end");
    require(name.empty() || (name.front() != ' ' && name.back() != ' '), "the name has no blanks around it");
    const auto again = readConfig(configText(*config));
    require(again && again->instName == name && again->commPort == config->commPort, "written, it reads back");
    return 0;
}
