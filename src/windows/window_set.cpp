// What the set does for every window alike: making it once, showing, hiding,
// and the close button.
#include "windows/window_set.h"

#include <utility>

namespace tintara::windows {

WindowSet::WindowSet(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files)
    : main_(main), platform_(platform), files_(std::move(files)) {
    const std::pair<Companion, ui::CheckBox*> boxes[] = {
        {Companion::HuePage, &main.Check2},       {Companion::Tolerance, &main.Check3},
        {Companion::ValuePage, &main.Check4},     {Companion::ColorChecker, &main.Check5},
        {Companion::ImageAnalysis, &main.Check6}, {Companion::PaletteViewer, &main.Check7}};
    for (const auto& [which, box] : boxes) slot(which).box = box;
    slot(Companion::HuePage).maker = huePageMaker();
    slot(Companion::ValuePage).maker = valuePageMaker();
    slot(Companion::Tolerance).maker = toleranceChartMaker();
    slot(Companion::ColorChecker).maker = colorCheckerMaker();
    slot(Companion::ImageAnalysis).maker = imageAnalysisMaker();
    slot(Companion::PaletteViewer).maker = paletteViewerMaker();
}

WindowSet::~WindowSet() { main_.setCompanions(nullptr); }

void WindowSet::replaceMaker(Companion which, Maker maker) {
    if (!slot(which).window) slot(which).maker = std::move(maker);
}

bool WindowSet::available(Companion which) const { return slot(which).window != nullptr || bool(slot(which).maker); }

ui::Window* WindowSet::existing(Companion which) const { return slot(which).window.get(); }

ui::Window* WindowSet::window(Companion which) {
    Slot& s = slot(which);
    if (s.window || !s.maker) return s.window.get();
    s.window = s.maker();
    if (!s.window) return nullptr;
    // The window's own close handling runs first; then it is hidden, and its
    // box in the main window unticked.
    s.window->onClose = [this, which, own = std::move(s.window->onClose)] {
        if (own) own();
        closedWithFrame(which);
    };
    if (onCreated) onCreated(*s.window);
    if (auto startUp = std::exchange(s.startUp, {})) startUp();
    return s.window.get();
}

void WindowSet::closedWithFrame(Companion which) {
    Slot& s = slot(which);
    s.box->setValue(0);  // the main window's switch hides it
    if (s.window) s.window->hide();
}

void WindowSet::show(Companion which) {
    if (ui::Window* w = window(which)) w->show();
}

void WindowSet::hide(Companion which) {
    if (ui::Window* w = existing(which)) w->hide();
}

bool WindowSet::visible(Companion which) const {
    const ui::Window* w = existing(which);
    return w && w->visible();
}

}  // namespace tintara::windows
