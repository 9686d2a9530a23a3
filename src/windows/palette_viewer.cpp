// The palette viewer (Form3) in the window set: its maker, its typed accessor
// and the forwarding of its public procedure. Its start-up (Form_Load: the
// window shown, the last palette loaded, the rotation started) runs once the
// window's view exists, so that a person sees the load's progress.
#include "viewer3d/form3.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::paletteViewerMaker() {
    return [this] {
        auto viewer = std::make_unique<viewer3d::Form3>(main_, platform_, files_);
        slot(Companion::PaletteViewer).startUp = [form = viewer.get()] { form->Form_Load(); };
        return viewer;
    };
}

viewer3d::Form3& WindowSet::paletteViewer() { return static_cast<viewer3d::Form3&>(*window(Companion::PaletteViewer)); }

void WindowSet::GetData(int mode) {
    if (available(Companion::PaletteViewer)) paletteViewer().GetData(mode);
}

}  // namespace tintara::windows
