// Image analysis (Form2) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding Form2: include "imaging/Form2.h"; let the maker return
//     [this] { return std::make_unique<imaging::Form2>(main_, platform_, files_, *this); }
// (with the arguments that Form2 takes); define
//     imaging::Form2& WindowSet::imageAnalysis() {
//         return static_cast<imaging::Form2&>(*window(Companion::ImageAnalysis));
//     }
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::imageAnalysisMaker() { return {}; }

}  // namespace tintara::windows
