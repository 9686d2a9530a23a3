// The tolerance chart (CTol) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding CTol: include "charts/CTol.h"; let the maker return
//     [this] { return std::make_unique<charts::CTol>(main_, platform_, files_, *this); }
// (with the arguments that CTol takes); define
//     charts::CTol& WindowSet::tolerance() {
//         return static_cast<charts::CTol&>(*window(Companion::Tolerance));
//     }
// and forward: if (available(Companion::Tolerance)) tolerance().MakeCTol(L, a, b);
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::toleranceChartMaker() { return {}; }

void WindowSet::MakeCTol(float, float, float) {}

}  // namespace tintara::windows
