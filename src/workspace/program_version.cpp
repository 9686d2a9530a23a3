#include "workspace/program_version.h"

namespace tintara::workspace {

std::string programVersion() {
    return std::to_string(TINTARA_VERSION_MAJOR) + "." + std::to_string(TINTARA_VERSION_MINOR) + "." +
           std::to_string(TINTARA_VERSION_PATCH);
}

}  // namespace tintara::workspace
