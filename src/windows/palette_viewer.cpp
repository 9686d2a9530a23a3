// The palette viewer (Form3) in the window set: its maker, its typed accessor and the
// forwarding of its public procedure. Until the window exists it is not
// available, and what the main window asks of it does nothing. A window that
// runs start-up code when it is first used (Form_Load) runs it in its maker.
//
// Adding Form3: include "viewer3d/Form3.h"; let the maker return
//     [this] { return std::make_unique<viewer3d::Form3>(main_, platform_, files_, *this); }
// (with the arguments that Form3 takes); define
//     viewer3d::Form3& WindowSet::paletteViewer() {
//         return static_cast<viewer3d::Form3&>(*window(Companion::PaletteViewer));
//     }
// and forward: if (available(Companion::PaletteViewer)) paletteViewer().GetData(mode);
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::paletteViewerMaker() { return {}; }

void WindowSet::GetData(int) {}

}  // namespace tintara::windows
