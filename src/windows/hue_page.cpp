// The Hue page (book) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding book: include "charts/book.h"; let the maker return
//     [this] { return std::make_unique<charts::book>(main_, platform_, files_, *this); }
// (with the arguments that book takes); define
//     charts::book& WindowSet::hue() {
//         return static_cast<charts::book&>(*window(Companion::HuePage));
//     }
// and forward: if (available(Companion::HuePage)) hue().fillbook();
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::huePageMaker() { return {}; }

void WindowSet::fillbook() {}

}  // namespace tintara::windows
