// The ColorChecker chart (CChecker) in the window set: its maker, its typed
// accessor and the forwarding of fillCC, which the main window calls when its
// box is ticked and after a gamma change while the chart is shown.
#include "charts/CChecker.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::colorCheckerMaker() {
    return [this] { return std::make_unique<charts::CChecker>(main_, platform_, files_); };
}

charts::CChecker& WindowSet::colorChecker() { return static_cast<charts::CChecker&>(*window(Companion::ColorChecker)); }

void WindowSet::fillCC() {
    if (auto* chart = dynamic_cast<charts::CChecker*>(window(Companion::ColorChecker))) chart->fillCC();
}

}  // namespace tintara::windows
