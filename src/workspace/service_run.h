// What an import or the Munsell table does to the main window while it runs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "workspace/form1.h"

namespace tintara::workspace {

// While it lives, the controls whose use would change a run's numbers
// (illuminant, PWD, gamma, white balance) or start another long run (Import,
// Make Table, the instrument group, Save to Palette, the window switches) are
// disabled, and the
// run's flag is raised. On its end every one of them, chartMode included, is
// as it was before.
class ServiceRun {
public:
    ServiceRun(Form1& window, bool& running);
    ~ServiceRun();
    ServiceRun(const ServiceRun&) = delete;
    ServiceRun& operator=(const ServiceRun&) = delete;

private:
    Form1& window_;
    bool& running_;
    bool chartMode_;
    std::vector<std::pair<ui::Control*, bool>> enabled_;
};

// The notice that follows the main window's title on the first line of the
// Munsell table and the ColorChecker output: two blanks, the program and
// where its numbers come from.
std::string outputNotice(const Form1& window);

}  // namespace tintara::workspace
