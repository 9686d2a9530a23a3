// The program's version as the About box and tintara-cli show it.
#pragma once

#include <string>

namespace tintara::workspace {

// Major version, minor version and revision joined by points, without blanks.
std::string programVersion();

}  // namespace tintara::workspace
