// The ColorChecker chart (CChecker) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding CChecker: include "charts/CChecker.h"; let the maker return
//     [this] { return std::make_unique<charts::CChecker>(main_, platform_, files_, *this); }
// (with the arguments that CChecker takes); define
//     charts::CChecker& WindowSet::colorChecker() {
//         return static_cast<charts::CChecker&>(*window(Companion::ColorChecker));
//     }
// and forward: if (available(Companion::ColorChecker)) colorChecker().fillCC();
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::colorCheckerMaker() { return {}; }

void WindowSet::fillCC() {}

}  // namespace tintara::windows
