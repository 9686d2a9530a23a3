// The Value page (book2) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding book2: include "charts/book2.h"; let the maker return
//     [this] { return std::make_unique<charts::book2>(main_, platform_, files_, *this); }
// (with the arguments that book2 takes); define
//     charts::book2& WindowSet::valuePage() {
//         return static_cast<charts::book2&>(*window(Companion::ValuePage));
//     }
// and forward: if (available(Companion::ValuePage)) valuePage().plotvalue(value);
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::valuePageMaker() { return {}; }

void WindowSet::plotvalue(float) {}

}  // namespace tintara::windows
