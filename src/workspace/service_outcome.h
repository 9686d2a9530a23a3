// How the last sample import or Munsell table of the service mode ended, for
// the command line and the tests.
#pragma once

#include <string>

namespace tintara::workspace {

struct ServiceOutcome {
    // The output was written whole, or for the palette every sample taken was
    // saved; false when the run stopped early or never started its output.
    bool completed = false;
    long long converted = 0;     // samples converted, or table rows written
    long long notConverted = 0;  // samples the main window did not take
    std::string message;         // what the person was told at the end
};

}  // namespace tintara::workspace
