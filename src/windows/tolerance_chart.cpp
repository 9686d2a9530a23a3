// The tolerance chart (CTol) in the window set: its maker (which runs the
// chart's Form_Load), its typed accessor and the forwarding of MakeCTol, which
// the main window calls after every conversion while its "Color Tolerence Set"
// box is ticked. The chart reaches the palette viewer through the set.
#include "charts/CTol.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::toleranceChartMaker() {
    return [this] { return std::make_unique<charts::CTol>(main_, platform_, files_, *this); };
}

charts::CTol& WindowSet::tolerance() { return static_cast<charts::CTol&>(*window(Companion::Tolerance)); }

void WindowSet::MakeCTol(float L, float a, float b) {
    if (auto* chart = dynamic_cast<charts::CTol*>(window(Companion::Tolerance))) chart->MakeCTol(L, a, b);
}

}  // namespace tintara::windows
